#include "RawClient.h"
#include "SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QtTest>

namespace {

constexpr char STX = 0x02;
constexpr char EOT = 0x04;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char CAN = 0x18;

// CRC-16/XMODEM, written here from the protocol's definition.
quint16 crc(const QByteArray& data)
{
    quint16 value = 0;
    for (const char byte : data) {
        value ^= static_cast<quint16>(static_cast<quint8>(byte) << 8);
        for (int i = 0; i < 8; ++i)
            value = static_cast<quint16>(value & 0x8000 ? (value << 1) ^ 0x1021 : value << 1);
    }
    return value;
}

QByteArray block(int number, QByteArray data)
{
    data = data.leftJustified(1024, 0x1A);
    const quint16 sum = crc(data);
    return QByteArray(1, STX) + char(number & 0xFF) + char(255 - (number & 0xFF)) + data + char(sum >> 8) + char(sum & 0xFF);
}

QByteArray image(const QString& version, int size)
{
    QByteArray bytes = QStringLiteral("IDENTIFIER FIRMWARE %1\n").arg(version).toLatin1();
    for (int i = bytes.size(); i < size; ++i)
        bytes += char((i * 7) & 0xFF);
    return bytes;
}

} // namespace

// Firmware updates through the boot loader, with a sender written here.
class TestSimBootLoader : public SimFixture
{
    Q_OBJECT

private slots:
    void transferInstallsTheAnnouncedVersion();
    void damagedBlockIsRefusedThenAccepted();
    void plannedTransferFaults_data();
    void plannedTransferFaults();
    void noTransferBootsTheOldFirmwareWithSettingsKept();
    void imageOfAnotherFamilyIsNotInstalled();
    void deepSleepIsSilentUntilItWakes();
    void cutTransferLeavesItWaitingForAWholeImage();

private:
    void resetIntoBootLoader();
    // The device's answer to what was just sent: ACK, NAK, CAN or nothing.
    char answer(int timeoutMs = 1000);
    // Sends the firmware as an XMODEM-1K sender would: each block again
    // after a NAK, EOT again after a NAK, eight CAN after a block that got
    // no answer twice. Returns every answer in order (0: none).
    QByteArray transfer(const QByteArray& firmware);
    QString appVersion();

};

void TestSimBootLoader::resetIntoBootLoader()
{
    // As the updater sends it: token in decimal, mode 1.
    m_client->sendSentence(QStringLiteral("$PKRX,0,0,0,1,reset,0"));
    QCOMPARE(m_client->waitForBytes(1), QByteArray("C"));
}

char TestSimBootLoader::answer(int timeoutMs)
{
    // "C" sent before our block arrived is not an answer.
    QByteArray byte = m_client->waitForBytes(1, timeoutMs);
    while (byte == "C")
        byte = m_client->waitForBytes(1, timeoutMs);
    return byte.isEmpty() ? 0 : byte.at(0);
}

QByteArray TestSimBootLoader::transfer(const QByteArray& firmware)
{
    QByteArray answers;
    for (int n = 1; (n - 1) * 1024 < firmware.size(); ++n) {
        char reply = 0;
        for (int tries = 0; tries < 2 && reply != ACK; ++tries) {
            m_client->write(block(n, firmware.mid((n - 1) * 1024, 1024)));
            answers += reply = answer();
        }
        if (reply != ACK) {
            m_client->write(QByteArray(8, CAN));
            return answers;
        }
    }
    for (int tries = 0; tries < 2; ++tries) {
        m_client->write(QByteArray(1, EOT));
        answers += answer();
        if (answers.endsWith(ACK))
            break;
    }
    return answers;
}

QString TestSimBootLoader::appVersion()
{
    m_client->discard();
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0, 2, 0));
    return m_client->waitForLine(replyTo(QStringLiteral("appver")), 3000).section(QLatin1Char(','), 4).section(QLatin1Char('*'), 0, 0);
}

void TestSimBootLoader::transferInstallsTheAnnouncedVersion()
{
    QVERIFY(startDevice());
    QSignalSpy updated(m_sim.get(), &SimulatedIdentifier::firmwareUpdated);
    resetIntoBootLoader();
    // Past 255 blocks, so that the block number wraps to 0.
    const QByteArray firmware = image(QStringLiteral("050200.03.00.01"), 257 * 1024 + 100);
    QCOMPARE(transfer(firmware), QByteArray(259, ACK));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.first().first().toString(), QStringLiteral("050200.03.00.01"));
    QCOMPARE(appVersion(), QStringLiteral("050200.03.00.01"));
}

void TestSimBootLoader::damagedBlockIsRefusedThenAccepted()
{
    QVERIFY(startDevice());
    resetIntoBootLoader();
    QByteArray damaged = block(1, image(QStringLiteral("050200.03.00.01"), 1024));
    damaged[500] = char(damaged.at(500) ^ 0x40);
    m_client->write(damaged);
    QCOMPARE(answer(), NAK);
    m_client->write(block(1, image(QStringLiteral("050200.03.00.01"), 1024)));
    QCOMPARE(answer(), ACK);
    m_client->write(QByteArray(1, EOT));
    QCOMPARE(answer(), ACK);
    QCOMPARE(appVersion(), QStringLiteral("050200.03.00.01"));
}

void TestSimBootLoader::plannedTransferFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QString>("version");
    QTest::newRow("NAK block 2 once") << "{\"nakBlocks\": [2]}" << QByteArray("\x06\x15\x06\x06", 4) << "050200.03.00.01";
    QTest::newRow("NAK the first EOT") << "{\"nakFirstEot\": true}" << QByteArray("\x06\x06\x15\x06", 4) << "050200.03.00.01";
    QTest::newRow("first block never answered") << "{\"ignoreFirstBlock\": 1}" << QByteArray(2, '\0') << "050200.02.01.00";
}

void TestSimBootLoader::plannedTransferFaults()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, answers);
    QFETCH(QString, version);
    SimConfig config = quickConfig();
    QString error;
    QVERIFY2(SimConfig::fromJson(QJsonObject {{QStringLiteral("faults"), QJsonDocument::fromJson(fault.toLatin1()).object()}},
                 &config, &error),
        qPrintable(error));
    QVERIFY(startDevice(config));
    resetIntoBootLoader();
    QCOMPARE(transfer(image(version, 2000)), answers);
    QTRY_COMPARE(m_sim->mode(), SimulatedIdentifier::Mode::Running);
    QCOMPARE(appVersion(), version);
}

void TestSimBootLoader::noTransferBootsTheOldFirmwareWithSettingsKept()
{
    QVERIFY(startDevice());
    m_client->sendSentence(shellSentence(QStringLiteral("setposti 60")));
    QVERIFY(!m_client->waitForLine(replyTo(QStringLiteral("setposti 60"))).isEmpty());
    m_client->sendSentence(shellSentence(QStringLiteral("reset"), 0, 0, 9));
    QVERIFY(m_client->linesWithin(200).isEmpty());
    QCOMPARE(m_sim->mode(), SimulatedIdentifier::Mode::BootLoader);
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->mode(), SimulatedIdentifier::Mode::Running, 3000);
    m_client->discard();
    m_client->sendSentence(shellSentence(QStringLiteral("getposti")));
    QCOMPARE(m_client->waitForLine(replyTo(QStringLiteral("getposti"))).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$PKRX,255,getposti,0,60"));
}

void TestSimBootLoader::imageOfAnotherFamilyIsNotInstalled()
{
    QVERIFY(startDevice());
    resetIntoBootLoader();
    m_client->write(block(1, image(QStringLiteral("160200.01.00.00"), 1024)));
    QCOMPARE(answer(), ACK);
    m_client->write(QByteArray(1, EOT));
    QCOMPARE(answer(), ACK);
    QCOMPARE(appVersion(), QStringLiteral("050200.02.01.00"));
}

void TestSimBootLoader::deepSleepIsSilentUntilItWakes()
{
    QVERIFY(startDevice());
    m_client->sendSentence(shellSentence(QStringLiteral("deepsleep"), 2, 0, 10));
    QVERIFY(!m_client->waitForLine(replyTo(QStringLiteral("deepsleep"))).isEmpty());
    QTRY_COMPARE(m_sim->mode(), SimulatedIdentifier::Mode::Sleeping);
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0, 2, 0));
    QVERIFY(m_client->linesWithin(150).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->mode(), SimulatedIdentifier::Mode::Running, 4000);
    QCOMPARE(appVersion(), QStringLiteral("050200.02.01.00"));
}

// A transfer cut short leaves no application to run: the boot loader asks
// for an image without end, and only a whole image of the device's family
// lets it run again.
void TestSimBootLoader::cutTransferLeavesItWaitingForAWholeImage()
{
    SimConfig config = quickConfig();
    config.bootWaitingIntervalMs = 200;
    QVERIFY(startDevice(config));
    resetIntoBootLoader();
    const QByteArray firmware = image(QStringLiteral("050200.03.00.01"), 3000);
    m_client->write(block(1, firmware.left(1024)) + QByteArray(2, CAN));
    QCOMPARE(answer(), ACK);
    QCOMPARE(m_client->waitForBytes(3, 1500), QByteArray("CCC"));
    QCOMPARE(transfer(image(QStringLiteral("160200.01.00.00"), 1024)), QByteArray(2, ACK));
    QCOMPARE(m_sim->mode(), SimulatedIdentifier::Mode::BootLoader);
    QCOMPARE(transfer(firmware), QByteArray(4, ACK));
    QCOMPARE(appVersion(), QStringLiteral("050200.03.00.01"));
}

QTEST_GUILESS_MAIN(TestSimBootLoader)
#include "TestSimBootLoader.moc"

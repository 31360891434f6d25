#include "RawClient.h"
#include "SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QtTest>

// Planned faults and the transcript that records them.
class TestSimFaults : public SimFixture
{
    Q_OBJECT

private slots:
    void replyFaults_data();
    void replyFaults();
    void queryFaultsHitTheNamedSentence();
    void silentAfterATimeAsIfUnplugged();
    void noiseBurstsComeBetweenSentences();
    void transcriptRecordsBothDirectionsWithTheRate();
    void ignoredWritesAreAcknowledgedButNotStored();

private:
    static SimConfig withFaults(const FaultPlan& faults);
    QString askSerial();

};

SimConfig TestSimFaults::withFaults(const FaultPlan& faults)
{
    SimConfig config = quickConfig();
    config.faults = faults;
    return config;
}

// The reply line to "getserno" as received, or "none".
QString TestSimFaults::askSerial()
{
    m_client->sendSentence(shellSentence(QStringLiteral("getserno"), 0, 2, 1));
    const QString line = m_client->waitForLine(QStringLiteral("$PKRX,"), 400);
    if (line.isEmpty())
        return QStringLiteral("none");
    if (!RawClient::checksumHolds(line))
        return QStringLiteral("corrupt");
    return line.section(QLatin1Char(','), 2, 2);
}

void TestSimFaults::replyFaults_data()
{
    QTest::addColumn<QStringList>("drop");
    QTest::addColumn<QStringList>("corrupt");
    QTest::addColumn<QStringList>("wrong");
    QTest::addColumn<QStringList>("seen");
    const QStringList none;
    QTest::newRow("drop the second") << QStringList {"getserno#2"} << none << none
                                     << QStringList {"getserno", "none", "getserno"};
    QTest::newRow("drop every one") << QStringList {"getserno"} << none << none << QStringList {"none", "none", "none"};
    QTest::newRow("corrupt the first") << none << QStringList {"getserno#1"} << none
                                       << QStringList {"corrupt", "getserno", "getserno"};
    QTest::newRow("wrong command on the third") << none << none << QStringList {"getserno#3"}
                                                << QStringList {"getserno", "getserno", "appver"};
    QTest::newRow("other command untouched") << QStringList {"appver"} << none << none
                                             << QStringList {"getserno", "getserno", "getserno"};
}

void TestSimFaults::replyFaults()
{
    QFETCH(QStringList, drop);
    QFETCH(QStringList, corrupt);
    QFETCH(QStringList, wrong);
    QFETCH(QStringList, seen);
    FaultPlan faults;
    faults.dropReplies = drop;
    faults.corruptReplies = corrupt;
    faults.wrongCommandReplies = wrong;
    QVERIFY(startDevice(withFaults(faults)));
    QStringList got;
    for (int i = 0; i < seen.size(); ++i)
        got << askSerial();
    QCOMPARE(got, seen);
}

void TestSimFaults::queryFaultsHitTheNamedSentence()
{
    FaultPlan faults;
    faults.wrongCommandReplies = QStringList {QStringLiteral("SSD")};
    QVERIFY(startDevice(withFaults(faults)));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SSD"));
    const QString line = m_client->waitForLine(QStringLiteral("$AI"));
    QVERIFY2(line.startsWith(QStringLiteral("$AIVSD,")), qPrintable(line));
}

void TestSimFaults::silentAfterATimeAsIfUnplugged()
{
    FaultPlan faults;
    faults.silentAfterMs = 400;
    QVERIFY(startDevice(withFaults(faults)));
    QCOMPARE(askSerial(), QStringLiteral("getserno"));
    QTRY_COMPARE(m_sim->mode(), SimulatedIdentifier::Mode::Unplugged);
    QCOMPARE(askSerial(), QStringLiteral("none"));
}

void TestSimFaults::noiseBurstsComeBetweenSentences()
{
    FaultPlan faults;
    faults.noiseEveryMs = 50;
    faults.noiseBytes = 20;
    QVERIFY(startDevice(withFaults(faults)));
    QCOMPARE(m_client->waitForBytes(100, 2000).size(), 100);
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0, 2, 0));
    // The reply comes whole, with noise around it but not inside it.
    QVERIFY(RawClient::checksumHolds(m_client->waitForSentence(QStringLiteral("$PKRX,255,appver,"))));
}

void TestSimFaults::transcriptRecordsBothDirectionsWithTheRate()
{
    QVERIFY(startDevice(withFaults(FaultPlan())));
    const QString path = QDir::temp().filePath(QStringLiteral("sim-transcript-%1.txt").arg(QCoreApplication::applicationPid()));
    QFile::remove(path);
    QString error;
    QVERIFY(m_sim->setTranscriptFile(path, &error));
    askSerial();
    const QStringList received = m_sim->transcript().filter(QRegularExpression(QStringLiteral(" RX +115200 \\$PKRX,0,0,0x00000000,2,getserno,1\\*..\\\\r\\\\n$")));
    const QStringList sent = m_sim->transcript().filter(QRegularExpression(QStringLiteral(" TX +115200 \\$PKRX,255,getserno,0,205170031442\\*..\\\\r\\\\n$")));
    QCOMPARE(received.size(), 1);
    QCOMPARE(sent.size(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(file.readAll());
    QVERIFY(written.contains(received.first()) && written.contains(sent.first()));
    file.remove();
}

// Only reading back shows the loss, by shell command and by sentence alike;
// other settings in the same write are stored.
void TestSimFaults::ignoredWritesAreAcknowledgedButNotStored()
{
    SimConfig config = quickConfig();
    QString error;
    const auto ignoring = [](const char* keys) {
        return QJsonObject {{QStringLiteral("faults"), QJsonDocument::fromJson(keys).object()}};
    };
    QVERIFY(!SimConfig::fromJson(ignoring(R"({"ignoreWrites": ["callsign"]})"), &config, &error));
    QCOMPARE(error, QStringLiteral("faults.ignoreWrites: unknown setting \"callsign\""));
    QVERIFY2(SimConfig::fromJson(ignoring(R"({"ignoreWrites": ["positionInterval", "callSign"]})"), &config, &error),
        qPrintable(error));
    QVERIFY(startDevice(config));
    const auto ask = [this](const QString& command) {
        m_client->sendSentence(shellSentence(command));
        return m_client->waitForLine(replyTo(command)).section(QLatin1Char('*'), 0, 0);
    };
    QCOMPARE(ask(QStringLiteral("setposti 600")), QStringLiteral("$PKRX,255,setposti 600,0,600"));
    QCOMPARE(ask(QStringLiteral("getposti")), QStringLiteral("$PKRX,255,getposti,0,300"));
    QCOMPARE(ask(QStringLiteral("setdatati 900")), QStringLiteral("$PKRX,255,setdatati 900,0,900"));
    QCOMPARE(ask(QStringLiteral("getdatati")), QStringLiteral("$PKRX,255,getdatati,0,900"));
    m_client->sendSentence(QStringLiteral("$UPSSD,CALL1,BOAT,10,5,2,3,,AI"));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SSD"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$AISSD")).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$AISSD,@@@@@@@,BOAT@@@@@@@@@@@@@@@@,10,5,2,3,0,AI"));
}

QTEST_GUILESS_MAIN(TestSimFaults)
#include "TestSimFaults.moc"

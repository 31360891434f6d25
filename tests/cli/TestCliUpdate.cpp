// velmora-cli update run as a program against simulated Identifiers on real
// pseudo-terminals: images refused before any reset, devices updated at
// either rate, and devices recovered from their boot loader, also after a
// transfer cut short.

#include "CliHarness.h"
#include "cBootLoaderEntry.h"

#include <QDir>
#include <QtTest>

namespace {

QByteArray Image(const char* version, int size = 6000)
{
    return QByteArray("IDENTIFIER FIRMWARE ") + version + '\n' + QByteArray(size, '\x5a');
}

bool HeardReset(const SimulatedIdentifier& device)
{
    const QString reset = QString::fromLatin1(cBootLoaderEntry::resetSentence().trimmed());
    return device.transcript().join(QLatin1Char('\n')).contains(reset);
}

} // namespace

class TestCliUpdate : public QObject, private CliHarness {
    Q_OBJECT

private slots:
    void init();
    void imageCheckedThenSentToEveryDevice();
    void deviceWaitingInItsBootLoaderIsRecovered();
    void transferCutShortIsRecoveredNextTime();
    void devicesAt38400();

private:
    QStringList Update(const QString& port, const QString& image = QString());
};

void TestCliUpdate::init()
{
    QVERIFY(Reset());
}

QStringList TestCliUpdate::Update(const QString& port, const QString& image)
{
    QStringList arguments { QStringLiteral("update"), QStringLiteral("--timeout"), QStringLiteral("3"),
        QStringLiteral("--port"), PathOf(port) };
    if (!image.isEmpty()) {
        arguments << QStringLiteral("--image") << image;
    }
    return arguments;
}

// Another family and an older image are refused before any reset; then one
// command updates two devices with the newest image of their family from the
// images' folder.
void TestCliUpdate::imageCheckedThenSentToEveryDevice()
{
    const QString folder = QStringLiteral("data/Norwake/velmora/AISImage/");
    QVERIFY(QDir().mkpath(PathOf(folder)));
    WriteFile(folder + QStringLiteral("050200_02_09_00.img"), Image("050200.02.09.00"));
    WriteFile(folder + QStringLiteral("050200_03_00_00.img"), Image("050200.03.00.00"));
    auto first = Plug(PathOf(QStringLiteral("p1")), QuickDevice(QStringLiteral("100000000001")));
    auto second = Plug(PathOf(QStringLiteral("p2")), QuickDevice(QStringLiteral("100000000002")));
    QVERIFY(first && second);
    const QStringList ports { QStringLiteral("--port"), PathOf(QStringLiteral("p1")),
        QStringLiteral("--port"), PathOf(QStringLiteral("p2")) };

    const QStringList refused { WriteFile(QStringLiteral("160200_09_00_00.img"), Image("160200.09.00.00")),
        WriteFile(QStringLiteral("050200_02_00_00.img"), Image("050200.02.00.00")) };
    QString out;
    for (const QString& image : refused) {
        QCOMPARE(
            Run(QStringList { QStringLiteral("update"), QStringLiteral("--image"), image } << ports, &out),
            8);
        QCOMPARE(out.count(QStringLiteral("The Identifier was left running.")), 2);
    }
    for (const SimulatedIdentifier* device : { first.get(), second.get() }) {
        QVERIFY(!HeardReset(*device));
        QCOMPARE(device->mode(), SimulatedIdentifier::Mode::Running);
    }

    // The first device named again through its real path is still one.
    const QString again = QFileInfo(PathOf(QStringLiteral("p1"))).canonicalFilePath();
    QCOMPARE(Run(QStringList { QStringLiteral("update"), QStringLiteral("--json") }
                     << ports << QStringLiteral("--port") << again,
                 &out),
        0);
    QCOMPARE(out.count(QStringLiteral("\"result\":\"updated\"")), 2);
    QVERIFY2(Errors().isEmpty(), qPrintable(Errors())); // progress only on a terminal
    QCOMPARE(first->state().firmwareVersion, QStringLiteral("050200.03.00.00"));
    QCOMPARE(second->state().firmwareVersion, QStringLiteral("050200.03.00.00"));
    QVERIFY2(
        out.contains(QStringLiteral("Updated from 050200.02.01.00 to 050200.03.00.00.")), qPrintable(out));
}

// The boot loader cannot tell the family: without --image the device is only
// reported; with it the device gets the image without a reset and runs its
// version. One that never answers a block is not said to be recovered.
void TestCliUpdate::deviceWaitingInItsBootLoaderIsRecovered()
{
    SimConfig config = QuickDevice(QStringLiteral("100000000003"));
    config.bootLoaderOnly = true;
    auto device = Plug(PathOf(QStringLiteral("p1")), config);
    QVERIFY(device);
    QString out;
    QCOMPARE(Run(Update(QStringLiteral("p1")), &out), 3);
    QVERIFY2(out.contains(QStringLiteral("waiting in its boot loader")), qPrintable(out));

    const QString image = WriteFile(QStringLiteral("050200_03_00_00.img"), Image("050200.03.00.00", 3000));
    QCOMPARE(Run(Update(QStringLiteral("p1"), image), &out), 0);
    QVERIFY2(out.contains(QStringLiteral("the firmware is now 050200.03.00.00")), qPrintable(out));
    QVERIFY(!HeardReset(*device));

    config.faults.ignoreFirstBlock = -1;
    auto deaf = Plug(PathOf(QStringLiteral("p2")), config);
    QVERIFY(deaf);
    QVERIFY(Run(Update(QStringLiteral("p2"), image), &out) != 0);
    QVERIFY2(!out.contains(QStringLiteral("the firmware is now")), qPrintable(out));
}

void TestCliUpdate::transferCutShortIsRecoveredNextTime()
{
    SimConfig config = QuickDevice(QStringLiteral("100000000004"));
    config.faults.cancelAfterBlocks = 2;
    auto device = Plug(PathOf(QStringLiteral("p1")), config);
    QVERIFY(device);
    const QString image = WriteFile(QStringLiteral("050200_03_00_00.img"), Image("050200.03.00.00"));
    QString out;
    QCOMPARE(Run(Update(QStringLiteral("p1"), image), &out), 3);
    QVERIFY2(out.contains(QStringLiteral(
                 "The Identifier is waiting in its boot loader; connect it again to recover it.")),
        qPrintable(out));
    QCOMPARE(device->mode(), SimulatedIdentifier::Mode::BootLoader);

    QCOMPARE(Run(Update(QStringLiteral("p1"), image), &out), 0);
    QVERIFY2(
        out.contains(QStringLiteral("Recovered from its boot loader; the firmware is now 050200.03.00.00.")),
        qPrintable(out));
    QCOMPARE(device->state().firmwareVersion, QStringLiteral("050200.03.00.00"));
}

// The reset and the autoconfig commands beside the image go at the rate the
// application talks at; after a recovery that rate is found as a connection
// finds it, 115200 first, then 38400.
void TestCliUpdate::devicesAt38400()
{
    const QString image = WriteFile(QStringLiteral("050200_03_00_00.img"), Image("050200.03.00.00", 3000));
    WriteFile(QStringLiteral("autoconfig"), "setposti 15\n");
    SimConfig config = QuickDevice(QStringLiteral("100000000005"));
    config.baud = 38400;
    auto running = Plug(PathOf(QStringLiteral("p1")), config);
    config.bootLoaderOnly = true;
    auto waiting = Plug(PathOf(QStringLiteral("p2")), config);
    QVERIFY(running && waiting);
    QString out;
    QCOMPARE(
        Run(Update(QStringLiteral("p1"), image) << QStringLiteral("--port") << PathOf(QStringLiteral("p2")),
            &out),
        0);
    QCOMPARE(out.count(QStringLiteral("050200.03.00.00.")), 2);
    for (const SimulatedIdentifier* device : { running.get(), waiting.get() }) {
        QCOMPARE(device->state().firmwareVersion, QStringLiteral("050200.03.00.00"));
        QCOMPARE(device->state().settings.value(QStringLiteral("positionInterval")), QStringLiteral("15"));
    }
}

QTEST_GUILESS_MAIN(TestCliUpdate)
#include "TestCliUpdate.moc"

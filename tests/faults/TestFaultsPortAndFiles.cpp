#include "FaultRig.h"

#include "control/StateMachine.h"
#include "ui/ConfigurationTab.h"

#include <QLineEdit>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

// The port and the program's own files: a port that goes away and comes
// back under another name is found again, and a configuration log that
// cannot be written is reported without losing the write to the device.
class TestFaultsPortAndFiles : public QObject {
    Q_OBJECT

private slots:
    void backWithinTheGreySeconds();
    void portComesBackUnderAnotherName();
    void configurationLogWithoutWriteAccess();

private:
    static SimConfig Device();
    static int HoldTerminal(const QString& path);
    static QString Status(const FaultRig& program);
    static void SendVesselName(FaultRig& program, const QString& name);
};

// Other tests running at the same time open and close terminals too, so the
// lowest free one need not be the one just freed: terminals are opened until
// that one is held, and the others let go. -1 when another process has it,
// which keeps it from the device just as well.
int TestFaultsPortAndFiles::HoldTerminal(const QString& path)
{
    std::vector<int> others;
    int held = -1;
    for (int tries = 0; tries < 256 && held < 0; ++tries) {
        const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
        if (terminal < 0)
            break;
        if (QString::fromLocal8Bit(ptsname(terminal)) == path)
            held = terminal;
        else
            others.push_back(terminal);
    }
    for (int terminal : others)
        close(terminal);
    return held;
}

SimConfig TestFaultsPortAndFiles::Device()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235123456"));
    config.settings.insert(QStringLiteral("vesselName"), QStringLiteral("SEA SPRITE"));
    return config;
}

QString TestFaultsPortAndFiles::Status(const FaultRig& program)
{
    return program.Window()->statusBar()->currentMessage();
}

void TestFaultsPortAndFiles::SendVesselName(FaultRig& program, const QString& name)
{
    FaultRig::Type(program.Window()->GetConfigurationTab(), "lineVesselName", name);
    program.Find<QToolButton>("sendButton")->click();
}

// The device's terminal is a new one with a new name each time it is
// plugged in; the program is told a stable name for it (as a udev rule or
// --port with a by-id link gives), which now leads to the new terminal.
void TestFaultsPortAndFiles::portComesBackUnderAnotherName()
{
    FaultRig program(Device());
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    const QString firstTerminal = program.device.portPath();

    program.Unplug();
    QTRY_COMPARE_WITH_TIMEOUT(Status(program), QStringLiteral("Ready"), 5000);
    QTRY_VERIFY(program.ShowsDeviceLost());
    // Something else takes the freed terminal first, as the old node of a
    // USB device that is still held open does.
    const int squatter = HoldTerminal(firstTerminal);
    QVERIFY(program.PlugInAgain());
    if (squatter >= 0)
        close(squatter);
    QVERIFY(program.Current().portPath() != firstTerminal);
    QVERIFY(program.WaitIdle());
    QVERIFY(program.Boxes().isEmpty());
    QVERIFY2(Status(program).contains(program.LinkPath()), qPrintable(Status(program)));
    QCOMPARE(UiTest::Child<QLineEdit>(program.Window()->GetBasicTab(), "lineVesselName")->text(),
        QStringLiteral("SEA SPRITE"));
}

// A device that drops off the port and is back within the grey seconds
// that follow (as when it restarts after a reset) is shown as connected.
void TestFaultsPortAndFiles::backWithinTheGreySeconds()
{
    FaultRig program(Device());
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.ClickMode(QStringLiteral("Diagnostic mode"));
    QVERIFY(program.WaitIdle());
    const QString linked = Status(program);
    program.Unplug();
    QTRY_VERIFY_WITH_TIMEOUT(Status(program) != linked, 10000);
    QCOMPARE(Status(program),
        QStringLiteral("The Identifier has disconnected; looking for it again in a few seconds..."));
    QVERIFY(program.PlugInAgain());
    QVERIFY(program.WaitIdle());
    QVERIFY(program.ShowsLink());
}

// Running as root, taking the write permission away denies nothing; a
// regular file where the log's folder should be denies everyone.
void TestFaultsPortAndFiles::configurationLogWithoutWriteAccess()
{
    const QString log = StateMachine::DefaultConfigurationLogPath();
    const QString folder = QFileInfo(log).absolutePath();
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    FaultRig program(Device());
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.LogIn(QStringLiteral("harbour"));
    QVERIFY(program.WaitIdle());
    SendVesselName(program, QStringLiteral("NORTHERN LIGHT"));
    QTRY_VERIFY_WITH_TIMEOUT(
        program.Shows(
            QStringLiteral("The configuration was written, but the configuration log could not be updated.")),
        10000);
    QCOMPARE(program.device.state().settings.value(QStringLiteral("vesselName")),
        QStringLiteral("NORTHERN LIGHT"));

    // With its folder back, the next write is logged.
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(program.WaitIdle());
    SendVesselName(program, QStringLiteral("EVENING STAR"));
    QVERIFY(program.WaitIdle());
    QTRY_VERIFY(QFile::exists(log));
    QFile written(log);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("EVENING STAR"));
}

VELMORA_UI_TEST_MAIN(TestFaultsPortAndFiles)
#include "TestFaultsPortAndFiles.moc"

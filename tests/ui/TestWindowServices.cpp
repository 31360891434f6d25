#include "ProgramDriver.h"

#include "control/StateMachine.h"
#include "control/UpdaterLauncher.h"
#include "ui/DiagnosticsTab.h"

#include <QMessageBox>
#include <QPushButton>

#include <memory>
#include <signal.h>

// The window with the application's services behind it: what the user is
// told after an export of the configuration log or when closing during an
// update, and what the device receives after a change of mode.
class TestWindowServices : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void exportTellsHowItWent();
    void leavingDiagnosticModeStopsTheRefresh();
    void updateOutlivesTheProgram();

private:
    static void EnterDiagnosticMode(ProgramDriver& program);
    static QString Export(const ProgramDriver& program, const QString& name);
    static int DiagnosticsReads(const ProgramDriver& program);
    bool StartStandIn(UpdaterLauncher* launcher, const QString& pidFile);

    QList<qint64> standIns;
};

namespace {

SimConfig Device()
{
    SimConfig config;
    config.version = QStringLiteral("050200.02.01.00");
    config.replyDelayMs = 5;
    return config;
}

// The text of a message box, which is then closed.
QString Dismiss(QWidget* box)
{
    auto* message = qobject_cast<QMessageBox*>(box);
    const QString text = message ? message->text() : box->objectName();
    static_cast<QDialog*>(box)->reject();
    return text;
}

} // namespace

void TestWindowServices::cleanup()
{
    for (const qint64 pid : qAsConst(standIns))
        ::kill(pid_t(pid), SIGKILL);
    standIns.clear();
    for (const char* name : { "RECORD_ARGUMENTS_TO", "RECORD_ARGUMENTS_PID_TO", "RECORD_ARGUMENTS_STAY_MS" })
        qunsetenv(name);
}

void TestWindowServices::EnterDiagnosticMode(ProgramDriver& program)
{
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.ClickMode(QStringLiteral("Diagnostic mode"));
    // The pages are enabled again once the device has been identified and read.
    QVERIFY(QTest::qWaitFor([&program] { return program.Tabs()->isEnabled(); }, 30000));
}

// Exports through the diagnostics page's button and file dialog; returns the
// message the user is shown.
QString TestWindowServices::Export(const ProgramDriver& program, const QString& name)
{
    QString shown;
    UiTest::AnswerNextModal([name, &shown](QWidget* files) {
        UiTest::AnswerNextModal([&shown](QWidget* box) { shown = Dismiss(box); });
        UiTest::TypeInto(files, "fileNameEdit", name);
        static_cast<QDialog*>(files)->accept();
    });
    program.Window()
        ->GetDiagnosticsTab()
        ->findChild<QPushButton*>("pushButtonExportConfigurationLog")
        ->click();
    return shown;
}

int TestWindowServices::DiagnosticsReads(const ProgramDriver& program)
{
    int count = 0;
    for (const QString& entry : program.device.transcript()) {
        if (entry.contains(QLatin1String(" RX ")) && entry.contains(QLatin1String("battvolts")))
            ++count;
    }
    return count;
}

// The stand-in stays for a minute, as an update would; its process id is
// noted for the clean-up.
bool TestWindowServices::StartStandIn(UpdaterLauncher* launcher, const QString& pidFile)
{
    qputenv("RECORD_ARGUMENTS_PID_TO", pidFile.toLocal8Bit());
    launcher->SetProgram(QStringLiteral(RECORD_ARGUMENTS));
    if (!launcher->Start(QStringLiteral("image.img"), QStringLiteral("port"), 19))
        return false;
    QByteArray pid;
    const bool written = QTest::qWaitFor(
        [&pid, &pidFile] {
            QFile file(pidFile);
            pid = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            return pid.endsWith('\n');
        },
        5000);
    if (written)
        standIns << pid.trimmed().toLongLong();
    return written;
}

void TestWindowServices::exportTellsHowItWent()
{
    ProgramDriver program(Device());
    EnterDiagnosticMode(program);
    QTemporaryDir folder;
    const QString created = folder.filePath(QStringLiteral("configuration.log"));
    QCOMPARE(Export(program, created), QStringLiteral("File created %1.").arg(created));
    QVERIFY(QFile::exists(created));
    const QString refused = folder.filePath(QStringLiteral("missing/configuration.log"));
    QCOMPARE(Export(program, refused), QStringLiteral("%1 could not be created.").arg(refused));
}

void TestWindowServices::leavingDiagnosticModeStopsTheRefresh()
{
    ProgramDriver program(Device());
    EnterDiagnosticMode(program);
    // Quicker than the 5 s of the program, so that a few periods pass soon.
    program.Find<QTimer>("diagnosticsRefreshTimer")->setInterval(1000);
    const int readsBefore = DiagnosticsReads(program);
    QTRY_VERIFY_WITH_TIMEOUT(DiagnosticsReads(program) > readsBefore, 5000);

    program.ClickMode(QStringLiteral("Basic mode"));
    QVERIFY(program.WaitIdle());
    const int readsInBasicMode = DiagnosticsReads(program);
    QTest::qWait(2500);
    QCOMPARE(DiagnosticsReads(program), readsInBasicMode);
}

void TestWindowServices::updateOutlivesTheProgram()
{
    QTemporaryDir folder;
    qputenv("RECORD_ARGUMENTS_TO", folder.filePath(QStringLiteral("arguments")).toLocal8Bit());
    qputenv("RECORD_ARGUMENTS_STAY_MS", "60000");
    MainWindow window;
    window.show();
    UpdaterLauncher* updater = VelmoraApplication::Instance()->GetStateMachine()->Updater();
    QVERIFY(StartStandIn(updater, folder.filePath(QStringLiteral("updating.pid"))));
    QString refusal;
    UiTest::AnswerNextModal([&refusal](QWidget* box) { refusal = Dismiss(box); });
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY2(refusal.startsWith(QLatin1String("A firmware update is in progress.")), qPrintable(refusal));

    // The end of the program takes the launcher with it, but not the updater.
    auto launcher = std::make_unique<UpdaterLauncher>();
    QVERIFY(StartStandIn(launcher.get(), folder.filePath(QStringLiteral("left.pid"))));
    launcher.reset();
    QVERIFY(::kill(pid_t(standIns.last()), 0) == 0);

    // The end of an updater that runs apart is still noticed.
    QSignalSpy finished(updater, &UpdaterLauncher::Finished);
    ::kill(pid_t(standIns.first()), SIGKILL);
    QVERIFY(finished.wait(5000));
    QVERIFY(!updater->IsRunning());
}

VELMORA_UI_TEST_MAIN(TestWindowServices)
#include "TestWindowServices.moc"

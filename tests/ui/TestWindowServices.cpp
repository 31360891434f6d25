#include "ProgramDriver.h"

#include "ui/DiagnosticsTab.h"

#include <QMessageBox>
#include <QPushButton>

// The window with the application's services behind it: what the user is
// told after an export of the configuration log, and what the device
// receives after a change of mode.
class TestWindowServices : public QObject {
    Q_OBJECT

private slots:
    void exportTellsHowItWent();
    void leavingDiagnosticModeStopsTheRefresh();

private:
    static void EnterDiagnosticMode(ProgramDriver& program);
    static QString Export(const ProgramDriver& program, const QString& name);
    static int DiagnosticsReads(const ProgramDriver& program);
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

VELMORA_UI_TEST_MAIN(TestWindowServices)
#include "TestWindowServices.moc"

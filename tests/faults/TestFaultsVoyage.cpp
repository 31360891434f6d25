#include "FaultRig.h"

#include "voyage/FileSizeLimit.h"
#include "voyage/ModalDriver.h"
#include "voyage/VoyageLogTab.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

// Fetching and exporting the voyage log when the device or the disk fails
// part way: the page ends the transfer and can fetch again, the device's log
// stays whole, and an export that cannot be written says so and leaves no
// file behind.
class TestFaultsVoyage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unpluggedDuringDownload();
    void exportFails_data();
    void exportFails();

private:
    static SimConfig Device();
    static bool OpenVoyagePage(FaultRig& program);
    static bool WaitForGetLog(const FaultRig& program);
    static bool GetLog(FaultRig& program);
    static int Rows(const FaultRig& program);

    QTemporaryDir home;
};

namespace {

constexpr int LogSize = 400;

} // namespace

void TestFaultsVoyage::initTestCase()
{
    QVERIFY(UseOwnHome(home));
}

SimConfig TestFaultsVoyage::Device()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.voyageGenerate = LogSize;
    return config;
}

bool TestFaultsVoyage::OpenVoyagePage(FaultRig& program)
{
    if (!program.Start() || !program.WaitIdle())
        return false;
    program.ClickMode(QStringLiteral("Diagnostic mode"));
    program.Tabs()->setCurrentWidget(program.Window()->GetVoyageLogTab());
    return WaitForGetLog(program);
}

// The log settings have been read: the page and its buttons can be used.
bool TestFaultsVoyage::WaitForGetLog(const FaultRig& program)
{
    VoyageLogTab* page = program.Window()->GetVoyageLogTab();
    return QTest::qWaitFor(
        [page] { return UiTest::Child<QPushButton>(page, "pushButtonGetLog")->isEnabled(); }, 15000);
}

// Presses "Get Log" and waits for the page to call the transfer ended.
bool TestFaultsVoyage::GetLog(FaultRig& program)
{
    VoyageLogTab* page = program.Window()->GetVoyageLogTab();
    QSignalSpy ended(page, &VoyageLogTab::VoyageSyncComplete);
    auto* getLog = UiTest::Child<QPushButton>(page, "pushButtonGetLog");
    if (!getLog->isEnabled())
        return false;
    getLog->click();
    // Ended, and the page's own buttons are back (the page as a whole may
    // wait for the device).
    return ended.wait(15000) && getLog->isEnabledTo(page);
}

int TestFaultsVoyage::Rows(const FaultRig& program)
{
    return UiTest::Child<QTableWidget>(program.Window()->GetVoyageLogTab(), "tableWidget")->rowCount();
}

void TestFaultsVoyage::unpluggedDuringDownload()
{
    FaultRig program(Device());
    QVERIFY(OpenVoyagePage(program));
    program.OnReceived(QStringLiteral(",voyage,"), [&program] {
        // Some records are on their way when the cable is pulled.
        QTimer::singleShot(500, [&program] { program.Unplug(); });
    });
    QVERIFY(GetLog(program));
    QVERIFY2(Rows(program) > 0 && Rows(program) < LogSize, qPrintable(QString::number(Rows(program))));
    QTRY_COMPARE(program.Window()->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QVERIFY(program.ShowsDeviceLost());
    QCOMPARE(program.device.state().voyageLog.size(), LogSize);

    QVERIFY(program.PlugInAgain());
    // The page's button keeps its state from before the loss until the device has been read again.
    QVERIFY(program.WaitIdle());
    QVERIFY(WaitForGetLog(program));
    QVERIFY(GetLog(program));
    QCOMPARE(Rows(program), LogSize);
    QCOMPARE(program.Current().state().voyageLog.size(), LogSize);
}

void TestFaultsVoyage::exportFails_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("folder removed") << false;
    QTest::newRow("disk full") << true;
}

void TestFaultsVoyage::exportFails()
{
    QFETCH(bool, diskFull);
    FaultRig program(Device());
    QVERIFY(OpenVoyagePage(program));
    QVERIFY(GetLog(program));
    QCOMPARE(Rows(program), LogSize);

    const QString folder = home.filePath(QStringLiteral("exports"));
    QVERIFY(QDir().mkpath(folder));
    const QString fileName = folder + QStringLiteral("/voyage.csv");
    ModalDriver modals;
    const ModalDriver::Step saveAs
        = modals.SaveAs(fileName, QStringLiteral("Comma Separated Values (*.csv)"));
    modals.Plan({ [&](QWidget* dialog) {
                     // Gone between choosing the folder and writing to it.
                     if (!diskFull)
                         QDir(folder).removeRecursively();
                     saveAs(dialog);
                 },
        modals.Note() });
    {
        const FileSizeLimit limit(diskFull ? 4096 : RLIM_INFINITY);
        UiTest::Child<QPushButton>(program.Window()->GetVoyageLogTab(), "exportButton")->click();
    }
    QTRY_VERIFY(modals.Done());
    QCOMPARE(modals.messages.size(), 1);
    QVERIFY2(modals.messages.first().contains(fileName + QStringLiteral(" could not be created.")),
        qPrintable(modals.messages.first()));
    QVERIFY(!QFile::exists(fileName));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    // The records are still there to export elsewhere.
    QCOMPARE(Rows(program), LogSize);
    QCOMPARE(program.device.state().voyageLog.size(), LogSize);
    QDir(folder).removeRecursively();
}

VELMORA_UI_TEST_MAIN(TestFaultsVoyage)
#include "TestFaultsVoyage.moc"

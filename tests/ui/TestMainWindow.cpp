#include "UiTestSupport.h"

#include "app/JobNames.h"
#include "gnss/cGnssRecordPanel.h"
#include "gnss/cGpsStatusTab.h"
#include "history/ProgrammingHistory.h"
#include "model/Model.h"
#include "profile/ProfileFile.h"
#include "protocol/NmeaSentence.h"
#include "ui/BasicTab.h"
#include "ui/ConfigurationTab.h"
#include "ui/DisconnectDialog.h"
#include "ui/FileQuestion.h"
#include "ui/MainWindow.h"
#include "ui/ProfileActions.h"
#include "ui/ProgrammingOutcome.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsInBasicMode();
    void modePages_data();
    void modePages();
    void sameModeButtonDoesNothing();
    void rejectedLogInKeepsMode();
    void deviceTypeRebuildsModeAndAsksForData_data();
    void deviceTypeRebuildsModeAndAsksForData();
    void unknownDeviceTypeIgnored();
    void tabIcons_data();
    void tabIcons();
    void iconRequestsThatChangeNothing_data();
    void iconRequestsThatChangeNothing();
    void gnssPageSwitchesStreaming();
    void gnssRecordingSavedOnClose();
    void diagnosticsPageRunsRefreshTimer();
    void mmsiRangeAtSend_data();
    void mmsiRangeAtSend();
    void sendButtonFollowsPage();
    void cleanDisconnectOutsideBasicKeepsControlsDisabled_data();
    void cleanDisconnectOutsideBasicKeepsControlsDisabled();
    void basicSendEndsWithProgrammingComplete();
    void certificateSavedIntoTheFolderLastUsed();
    void cutOffWriteKeptInTheHistory();
    void unverifiedProgrammingIsNeverComplete();
    void deviceActionsShowSyncing();
    void transportModelReachesTabs();
    void enableTabOnlyForItsIds();
    void editsCarryCurrentTab();
    void focusFrameStandsOut();
    void profileMmsiOfferedToAnUnprogrammedDevice();

private:
    void EnterAdvanced(int type);
    QToolButton* ModeButton(const QString& text) const;
    QStringList PageTitles() const;
    QAbstractButton* SendButton() const
    {
        return window->findChild<QToolButton*>(QStringLiteral("sendButton"));
    }
    QTimer* Timer(const char* name) const { return window->findChild<QTimer*>(QLatin1String(name)); }
    void SelectPage(int tab) { tabs->setCurrentWidget(window->Page(tab)); }

    MainWindow* window = nullptr;
    QTabWidget* tabs = nullptr;
    Model* tabModel = nullptr;
};

void TestMainWindow::init()
{
    window = new MainWindow;
    window->show();
    tabs = window->findChild<QTabWidget*>(QStringLiteral("tabs"));
    tabModel = VelmoraApplication::Instance()->GetTabModel();
    tabModel->reset();
}

void TestMainWindow::cleanup()
{
    delete window;
}

QToolButton* TestMainWindow::ModeButton(const QString& text) const
{
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (button->text() == text)
            return button;
    }
    qFatal("no mode button %s", qPrintable(text));
}

QStringList TestMainWindow::PageTitles() const
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i) + QLatin1Char('=') + tabs->widget(i)->objectName();
    return titles;
}

// Logs in with the default password and gives the new password at once.
void TestMainWindow::EnterAdvanced(int type)
{
    if (!VelmoraApplication::Instance()->HasPassword()) {
        UiTest::AnswerNextModal([](QWidget* login) {
            UiTest::TypeInto(login, "lineEditPassword", QStringLiteral("Lanternbay.64"));
            UiTest::ClickButton(login, "pushOK");
            UiTest::AnswerNextModal([](QWidget* setPassword) {
                UiTest::TypeInto(setPassword, "lineEditCurrentPassword", QStringLiteral("Lanternbay.64"));
                UiTest::TypeInto(setPassword, "lineEditPassword", QStringLiteral("harbour"));
                UiTest::TypeInto(setPassword, "lineEditPasswordReenter", QStringLiteral("harbour"));
                UiTest::ClickButton(setPassword, "okButton");
            });
        });
    } else {
        UiTest::AnswerNextModal([](QWidget* login) {
            UiTest::TypeInto(login, "lineEditPassword", QStringLiteral("harbour"));
            UiTest::ClickButton(login, "pushOK");
        });
    }
    ModeButton(QStringLiteral("Advanced mode"))->click();
    QCOMPARE(window->CurrentMode(), MainWindow::Mode::Advanced);
    if (type > 0) {
        window->OnAISType(type);
        window->OnUpdateUiControls(false);
    }
}

void TestMainWindow::startsInBasicMode()
{
    QCOMPARE(window->CurrentMode(), MainWindow::Mode::Basic);
    QCOMPARE(window->centralWidget(), window->Page(MainWindow::TabBasic));
    QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("tabBasic"));
    QVERIFY(!tabs->isVisible());
    QCOMPARE(tabs->count(), 0);
    QVERIFY(!window->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
    QVERIFY(!SendButton()->isEnabled());
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionChange_Password"))->isEnabled());
    // The programming history needs no device.
    auto* history = window->findChild<QAction*>(QStringLiteral("actionProgrammingHistory"));
    QVERIFY(history && history->isEnabled());
    QVERIFY(window->findChild<QMenu*>(QStringLiteral("menuFile"))->actions().contains(history));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
}

void TestMainWindow::modePages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<bool>("toolBarShown");

    QTest::newRow("diagnostic") << "Diagnostic mode"
                                << QStringList { "Diagnostics=tabDiagnostics", "Broadcasts=tabBroadcasts",
                                       "Voyage data=tabVoyageData", "GNSS status=tabGnssStatus",
                                       "Serial data=tabSerialData" }
                                << false;
    QTest::newRow("advanced") << "Advanced mode"
                              << QStringList { "Configuration=tabConfiguration", "Control=tabControl",
                                     "Device Actions=tabDeviceActions", "Voyage data=tabVoyageData",
                                     "Diagnostics=tabDiagnostics", "Broadcasts=tabBroadcasts",
                                     "GNSS status=tabGnssStatus", "Serial data=tabSerialData" }
                              << true;
}

void TestMainWindow::modePages()
{
    QFETCH(QString, button);
    QFETCH(QStringList, pages);
    QFETCH(bool, toolBarShown);

    QSignalSpy retrieval(window, &MainWindow::startDataRetrieval);
    if (button == QLatin1String("Advanced mode"))
        EnterAdvanced(0);
    else
        ModeButton(button)->click();
    QCOMPARE(PageTitles(), pages);
    QCOMPARE(window->centralWidget(), static_cast<QWidget*>(tabs));
    QVERIFY(tabs->isVisible());
    QVERIFY(!window->Page(MainWindow::TabBasic)->isVisible());
    QCOMPARE(window->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible(), toolBarShown);
    QCOMPARE(retrieval.count(), 1);
    // The device is being identified: nothing can be pressed meanwhile.
    QVERIFY(!tabs->isEnabled());
    QVERIFY(!ModeButton(QStringLiteral("Basic mode"))->isEnabled());

    window->OnUpdateUiControls(false);
    ModeButton(QStringLiteral("Basic mode"))->click();
    QCOMPARE(window->CurrentMode(), MainWindow::Mode::Basic);
    QCOMPARE(window->centralWidget(), window->Page(MainWindow::TabBasic));
    QCOMPARE(tabs->count(), 0);
    QCOMPARE(retrieval.count(), 2);
    // The pages were kept, not rebuilt.
    QCOMPARE(
        window->Page(MainWindow::TabConfiguration), static_cast<QWidget*>(window->GetConfigurationTab()));
}

void TestMainWindow::sameModeButtonDoesNothing()
{
    QSignalSpy retrieval(window, &MainWindow::startDataRetrieval);
    ModeButton(QStringLiteral("Basic mode"))->click();
    QCOMPARE(retrieval.count(), 0);

    EnterAdvanced(1);
    retrieval.clear();
    ModeButton(QStringLiteral("Advanced mode"))->click();
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(retrieval.count(), 0);
}

void TestMainWindow::rejectedLogInKeepsMode()
{
    UiTest::AnswerNextModal([](QWidget* login) {
        UiTest::TypeInto(login, "lineEditPassword", QStringLiteral("wrong"));
        QVERIFY(!login->findChild<QPushButton*>(QStringLiteral("pushOK"))->isEnabled());
        UiTest::ClickButton(login, "pushCancel");
    });
    ModeButton(QStringLiteral("Advanced mode"))->click();
    QCOMPARE(window->CurrentMode(), MainWindow::Mode::Basic);
    QCOMPARE(tabs->count(), 0);
}

void TestMainWindow::deviceTypeRebuildsModeAndAsksForData_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("requests");

    QTest::newRow("basic") << "Basic mode"
                           << "GetTab 0";
    QTest::newRow("diagnostic") << "Diagnostic mode"
                                << "GetTab 5,GetTab 8";
    QTest::newRow("advanced") << "Advanced mode"
                              << "GetAllTabs";
}

void TestMainWindow::deviceTypeRebuildsModeAndAsksForData()
{
    QFETCH(QString, button);
    QFETCH(QString, requests);

    if (button == QLatin1String("Advanced mode"))
        EnterAdvanced(0);
    else if (button != QLatin1String("Basic mode"))
        ModeButton(button)->click();
    QStringList asked;
    connect(window, &MainWindow::GetTab, this,
        [&asked](int tab) { asked << QStringLiteral("GetTab %1").arg(tab); });
    connect(window, &MainWindow::GetAllTabs, this, [&asked] { asked << QStringLiteral("GetAllTabs"); });
    window->OnAISType(1);
    QCOMPARE(asked.join(QLatin1Char(',')), requests);
    QCOMPARE(Timer("diagnosticsRefreshTimer")->isActive(), button == QLatin1String("Diagnostic mode"));
    if (button == QLatin1String("Advanced mode")) {
        QVERIFY(window->Page(MainWindow::TabConfiguration)->isEnabledTo(tabs));
        QVERIFY(window->Page(MainWindow::TabControl)->isEnabledTo(tabs));
        QVERIFY(window->findChild<QAction*>(QStringLiteral("actionChange_Password"))->isEnabled());
    }
}

void TestMainWindow::unknownDeviceTypeIgnored()
{
    QSignalSpy gets(window, &MainWindow::GetTab);
    window->OnAISType(0);
    window->OnAISType(5);
    QCOMPARE(gets.count(), 0);
}

void TestMainWindow::tabIcons_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("picture");

    QTest::newRow("not connected") << 0 << "";
    QTest::newRow("edited") << 1 << ":/velmora/TabEdited.png";
    QTest::newRow("not synchronised") << 2 << ":/velmora/TabNotSynced.png";
    QTest::newRow("reading or writing") << 3 << ":/velmora/TabSyncing.png";
    QTest::newRow("synchronised") << 4 << ":/velmora/TabSynced.png";
}

void TestMainWindow::tabIcons()
{
    QFETCH(int, icon);
    QFETCH(QString, picture);

    EnterAdvanced(1);
    for (const int tab : { 2, 3, 4, 5, 6, 7 }) {
        window->OnUpdateTabIcon(tab, icon);
        const QIcon shown = tabs->tabIcon(tabs->indexOf(window->Page(tab)));
        if (picture.isEmpty()) {
            QVERIFY(shown.isNull());
        } else {
            QVERIFY(QFile::exists(picture));
            QCOMPARE(shown.pixmap(16).toImage(), QIcon(picture).pixmap(16).toImage());
        }
    }
}

void TestMainWindow::iconRequestsThatChangeNothing_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("icon");

    QTest::newRow("basic tab") << 0 << 1;
    QTest::newRow("serial console") << 10 << 4;
    QTest::newRow("icon value too high") << 2 << 7;
    QTest::newRow("negative icon value") << 2 << -1;
    QTest::newRow("voyage settings") << 8 << 4;
}

void TestMainWindow::iconRequestsThatChangeNothing()
{
    QFETCH(int, tab);
    QFETCH(int, icon);

    EnterAdvanced(1);
    QList<qint64> before;
    for (int i = 0; i < tabs->count(); ++i)
        before << tabs->tabIcon(i).cacheKey();
    window->OnUpdateTabIcon(tab, icon);
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabIcon(i).cacheKey(), before.at(i));
}

void TestMainWindow::gnssPageSwitchesStreaming()
{
    EnterAdvanced(1);
    QStringList events;
    connect(window, &MainWindow::waitForRmc, this, [&events] { events << QStringLiteral("waitForRmc"); });
    connect(window, &MainWindow::gnssMessageControl, this,
        [&events](bool on) { events << QStringLiteral("gnss %1").arg(on ? "on" : "off"); });

    SelectPage(MainWindow::TabGnssStatus);
    QCOMPARE(events, (QStringList { "waitForRmc", "gnss on" }));
    events.clear();
    SelectPage(MainWindow::TabSerialData);
    QCOMPARE(events, (QStringList { "gnss off", "waitForRmc" }));
    events.clear();
    SelectPage(MainWindow::TabConfiguration);
    QCOMPARE(events, QStringList { "waitForRmc" });

    // Leaving the mode from the GNSS page also stops the stream.
    SelectPage(MainWindow::TabGnssStatus);
    events.clear();
    ModeButton(QStringLiteral("Basic mode"))->click();
    QCOMPARE(events, QStringList { "gnss off" });
}

// A recording under way is saved when the window closes, not lost with it.
void TestMainWindow::gnssRecordingSavedOnClose()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("drive.nmea"));
    auto* gnss = static_cast<cGpsStatusTab*>(window->Page(MainWindow::TabGnssStatus));
    gnss->findChild<cGnssRecordPanel*>()->startRecording(path);
    gnss->OnGnssSentenceReceived(NmeaSentence::frame(QStringLiteral("$GPGSV,1,1,01,07,40,083,46")));
    QVERIFY(window->close());
    QVERIFY(QFile::exists(path));
}

void TestMainWindow::diagnosticsPageRunsRefreshTimer()
{
    EnterAdvanced(1);
    QTimer* refresh = Timer("diagnosticsRefreshTimer");
    QCOMPARE(refresh->interval(), 5000);
    SelectPage(MainWindow::TabDiagnostics);
    QVERIFY(refresh->isActive());
    window->OnDiagnosticsRefreshTimerControl(false);
    QVERIFY(!refresh->isActive());
    window->OnDiagnosticsRefreshTimerControl(true);
    QVERIFY(refresh->isActive());
    SelectPage(MainWindow::TabVoyageData);
    QVERIFY(!refresh->isActive());
    window->OnDiagnosticsRefreshTimerControl(true);
    QVERIFY(!refresh->isActive());
    SelectPage(MainWindow::TabDiagnostics);
    QVERIFY(refresh->isActive());

    QSignalSpy gets(window, &MainWindow::GetTab);
    emit refresh->timeout({});
    QCOMPARE(gets.count(), 1);
    QCOMPARE(gets.first().first().toInt(), 5);
}

void TestMainWindow::mmsiRangeAtSend_data()
{
    QTest::addColumn<QString>("mmsi");
    QTest::addColumn<bool>("sent");

    QTest::newRow("eight digits") << "99999999" << false;
    QTest::newRow("ten digits") << "1000000000" << false;
    QTest::newRow("lowest") << "100000000" << true;
    QTest::newRow("highest") << "999999999" << true;
    QTest::newRow("not programmed") << "000000000" << false;
    QTest::newRow("empty") << "" << false;
}

void TestMainWindow::mmsiRangeAtSend()
{
    QFETCH(QString, mmsi);
    QFETCH(bool, sent);

    EnterAdvanced(1);
    window->OnConnected();
    window->OnUpdateUiControls(false);
    SelectPage(MainWindow::TabConfiguration);
    tabModel->mmsi()->setText(mmsi);
    QSignalSpy sendAll(window, &MainWindow::SendAllTabs);
    QSignalSpy lock(window, &MainWindow::lockPowerBoxControl);
    QString warning;
    if (!sent) {
        UiTest::AnswerNextModal([&warning](QWidget* box) {
            warning = box->windowTitle() + QLatin1Char('|') + static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
    }
    QVERIFY(SendButton()->isEnabled());
    SendButton()->click();
    QCOMPARE(sendAll.count(), sent ? 1 : 0);
    if (sent) {
        QVERIFY(!SendButton()->isEnabled());
        QCOMPARE(lock.last().first().toBool(), true);
    } else {
        QCOMPARE(warning,
            QStringLiteral("MMSI Invalid|A valid MMSI in the range 100000000 to 999999999 must be "
                           "entered. Identifier not updated."));
        QVERIFY(SendButton()->isEnabled());
    }
}

void TestMainWindow::sendButtonFollowsPage()
{
    EnterAdvanced(1);
    SelectPage(MainWindow::TabControl);
    QVERIFY(SendButton()->isEnabled());
    SelectPage(MainWindow::TabGnssStatus);
    QVERIFY(!SendButton()->isEnabled());
    window->OnEnableTab(MainWindow::TabConfiguration, false);
    SelectPage(MainWindow::TabConfiguration);
    QVERIFY(!SendButton()->isEnabled());
    window->OnEnableTab(MainWindow::TabConfiguration, true);
    window->OnUpdateUiControls(false);
    QVERIFY(SendButton()->isEnabled());
    window->OnUpdateUiControls(true);
    QVERIFY(!SendButton()->isEnabled());
    QVERIFY(!tabs->isEnabled());
}

void TestMainWindow::cleanDisconnectOutsideBasicKeepsControlsDisabled_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<bool>("pending");

    QTest::newRow("clean") << false << true;
    QTest::newRow("error") << true << false;
}

void TestMainWindow::cleanDisconnectOutsideBasicKeepsControlsDisabled()
{
    QFETCH(bool, error);
    QFETCH(bool, pending);

    EnterAdvanced(1);
    window->OnConnected();
    window->OnUpdateUiControls(false);
    QVERIFY(tabs->isEnabled());
    window->OnDisconnected(error);
    QTimer* timer = Timer("disconnectTimer");
    QCOMPARE(timer->isActive(), pending);
    QCOMPARE(tabs->isEnabled(), !pending);
    QCOMPARE(timer->interval(), 3000);
    QCOMPARE(window->statusBar()->currentMessage() == QStringLiteral("Ready"), !pending);
    if (pending) {
        window->OnDisconnectTimeout();
        QVERIFY(tabs->isEnabled());
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Ready"));
    }
}

void TestMainWindow::basicSendEndsWithProgrammingComplete()
{
    window->OnConnected();
    window->OnAISType(1);
    window->OnUpdateUiControls(false);
    window->OnJobCompleted(JobName::Basic, false);
    QTimer* timer = Timer("disconnectTimer");
    QVERIFY(!timer->isActive());
    // Nothing is complete before the device has been read back.
    window->OnJobCompleted(JobName::Basic, true);
    QVERIFY(!timer->isActive());
    window->Outcome()->OnWriteVerified(Profile(), {});
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1100);

    QString shown;
    UiTest::AnswerNextModal([&shown](QWidget* dialog) {
        shown = dialog->objectName() + QLatin1Char('|') + dialog->windowTitle();
        UiTest::ClickButton(dialog, "okButton");
    });
    QVERIFY(QTest::qWaitFor([timer] { return !timer->isActive(); }, 3000));
    QTRY_COMPARE(shown, QStringLiteral("DisconnectDialog|Programming Complete"));
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

// A certificate saved is told in the status bar, and the next one starts in
// its folder; other kinds of file keep their own.
void TestMainWindow::certificateSavedIntoTheFolderLastUsed()
{
    QTemporaryDir folder;
    ProgrammingRecord record;
    record.mmsi = QStringLiteral("235000001");
    record.verified = true;
    DisconnectDialog dialog(window);
    dialog.ShowVerified(record);
    QStringList started;
    for (const QString& name : { QStringLiteral("first.pdf"), QStringLiteral("second.pdf") }) {
        UiTest::AnswerNextModal([&started, &folder, name](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            QVERIFY(files);
            started << files->directory().absolutePath();
            files->selectFile(folder.filePath(name));
            static_cast<QDialog*>(files)->accept();
        });
        UiTest::ClickButton(&dialog, "saveCertificateButton");
    }
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("second.pdf"))));
    QCOMPARE(window->statusBar()->currentMessage(),
        QStringLiteral("Certificate saved as %1.")
            .arg(QDir::toNativeSeparators(folder.filePath("second.pdf"))));
    QVERIFY(started.value(0) != folder.path());
    QCOMPARE(started.value(1), folder.path());
    QVERIFY(FileQuestion::StartFolder(FileQuestion::Kind::Profile) != folder.path());
}

void TestMainWindow::cutOffWriteKeptInTheHistory()
{
    Profile sent;
    sent.mmsi().setText(
        QStringLiteral("235999%1").arg(QDateTime::currentMSecsSinceEpoch() % 1000, 3, 10, QLatin1Char('0')));
    window->Outcome()->OnWriteUnverified(sent, QStringLiteral("Connection Error"));
    ProgrammingHistory history;
    QString error;
    history.Open(&error);
    const ProgrammingRecord row = history.Find(sent.Mmsi(), &error).value(0);
    QCOMPARE(row.failure, QStringLiteral("Connection Error"));
    QCOMPARE(row.source, QStringLiteral("window"));
    QVERIFY(!row.verified);
}

// "Programming Complete" offers the certificate of a verified programming:
// after one the device did not take there is none to offer.
void TestMainWindow::unverifiedProgrammingIsNeverComplete()
{
    window->OnConnected();
    QCOMPARE(window->CurrentMode(), MainWindow::Mode::Basic);
    // The programme button holds the device actions back until the outcome.
    const QList<QPushButton*> actions { window->findChild<QPushButton*>(QStringLiteral("pushButtonClearId")),
        window->findChild<QPushButton*>(QStringLiteral("pushButtonDeepSleep")) };
    for (QPushButton* action : actions) {
        action->setEnabled(false);
    }
    const ProfileComparisonRow mismatch { QStringLiteral("Vessel: call sign"), QStringLiteral("NEWCALL"),
        QStringLiteral("OLDCALL"), true };
    window->Outcome()->OnWriteVerified(Profile(), { mismatch });
    window->Outcome()->ShowComplete(false);
    QVERIFY(!window->findChild<QDialog*>(QStringLiteral("DisconnectDialog")));
    for (QPushButton* action : actions) {
        QVERIFY2(!action->testAttribute(Qt::WA_ForceDisabled), qPrintable(action->objectName()));
    }
}

void TestMainWindow::deviceActionsShowSyncing()
{
    EnterAdvanced(1);
    window->OnConnected();
    QSignalSpy reset(window, &MainWindow::ResetConfig);
    window->OnResetConfig();
    QCOMPARE(reset.count(), 1);
    const int index = tabs->indexOf(window->Page(MainWindow::TabDeviceActions));
    QCOMPARE(tabs->tabIcon(index).pixmap(16).toImage(),
        QIcon(QStringLiteral(":/velmora/TabSyncing.png")).pixmap(16).toImage());
    window->OnJobCompleted(JobName::ResetConfig, false);
    QCOMPARE(tabs->tabIcon(index).pixmap(16).toImage(),
        QIcon(QStringLiteral(":/velmora/TabSynced.png")).pixmap(16).toImage());
}

void TestMainWindow::transportModelReachesTabs()
{
    Model* transport = VelmoraApplication::Instance()->GetTransportModel();
    transport->reset();
    transport->staticData()->setVesselName(QStringLiteral("NORTHERN LIGHT"));
    transport->setSerialNumber(QStringLiteral("SN77"));
    window->OnUpdateTabFromTransportModel(MainWindow::TabConfiguration);
    QCOMPARE(tabModel->staticData()->vesselName(), QStringLiteral("NORTHERN LIGHT"));
    QCOMPARE(window->GetConfigurationTab()->findChild<QLineEdit*>(QStringLiteral("lineVesselName"))->text(),
        QStringLiteral("NORTHERN LIGHT"));

    tabModel->staticData()->setCallSign(QStringLiteral("LXNL"));
    window->GetConfigurationTab()->UpdateTabFromModel(nullptr);
    window->OnUpdateTransportModelFromTab(MainWindow::TabDiagnostics);
    QCOMPARE(transport->staticData()->callSign(), QString());
    window->OnUpdateTransportModelFromTab(MainWindow::TabConfiguration);
    QCOMPARE(transport->staticData()->callSign(), QStringLiteral("LXNL"));
}

void TestMainWindow::enableTabOnlyForItsIds()
{
    for (const int tab : { 2, 3, 7 }) {
        window->OnEnableTab(tab, false);
        QVERIFY(!window->Page(tab)->isEnabledTo(window));
        window->OnEnableTab(tab, true);
        QVERIFY(window->Page(tab)->isEnabledTo(window));
    }
    window->OnEnableTab(MainWindow::TabDiagnostics, false);
    QVERIFY(window->Page(MainWindow::TabDiagnostics)->isEnabledTo(window));
}

void TestMainWindow::editsCarryCurrentTab()
{
    EnterAdvanced(1);
    SelectPage(MainWindow::TabConfiguration);
    QSignalSpy edits(window, &MainWindow::Edited);
    window->GetConfigurationTab()->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionA"))->setValue(12);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toInt(), 2);
}

namespace {

// How many pixels differ clearly between the two pictures of a control.
int Changed(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QColor a = before.pixelColor(x, y);
            const QColor b = after.pixelColor(x, y);
            changed
                += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) >= 120;
        }
    }
    return changed;
}

} // namespace

// Fusion draws the focus frame in the selection colour, which is white here:
// a control that Tab has brought the focus to must stand out from itself
// without it.
void TestMainWindow::focusFrameStandsOut()
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    const QList<QWidget*> controls { new QLineEdit, new QSpinBox, new QComboBox };
    for (QWidget* control : controls)
        layout->addWidget(control);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.setFocus();
    for (QWidget* control : controls) {
        const QImage unfocused = control->grab().toImage();
        QTest::keyClick(&form, Qt::Key_Tab);
        QVERIFY(control->hasFocus());
        // More than a text cursor: a frame all round.
        const QImage focused = control->grab().toImage();
        QVERIFY2(Changed(unfocused, focused) >= focused.width() + focused.height(),
            control->metaObject()->className());
    }
}

// Nine zeros are what an unprogrammed device reports, not an MMSI to keep.
void TestMainWindow::profileMmsiOfferedToAnUnprogrammedDevice()
{
    Model* device = VelmoraApplication::Instance()->GetTransportModel();
    device->reset();
    device->mmsi()->setText(QStringLiteral("000000000"));
    Profile profile
        = Profile::FromModel(*device, Profile::OriginNow(QStringLiteral("160200.01.00.00"), 4, {}));
    profile.mmsi().setText(QStringLiteral("235000001"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fleet.json"));
    QString error;
    QVERIFY2(ProfileFile::Write(profile, path, &error), qPrintable(error));
    QString offered = QStringLiteral("no question");
    UiTest::AnswerNextModal([&offered](QWidget* box) {
        offered = box->findChild<QLineEdit*>(QStringLiteral("lineMmsi"))->text();
        static_cast<QDialog*>(box)->reject();
    });
    QVERIFY(!window->findChild<ProfileActions*>()->OpenProfile(path));
    QCOMPARE(offered, QString());
}

VELMORA_UI_TEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

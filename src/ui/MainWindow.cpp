#include "ui/MainWindow.h"

#include "app/JobNames.h"
#include "app/VelmoraApplication.h"
#include "control/StateMachine.h"
#include "control/UpdaterLauncher.h"
#include "gnss/GPSDecoder.h"
#include "gnss/cGpsStatusTab.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "link/cConnectionManager.h"
#include "model/Model.h"
#include "ui/AboutDialog.h"
#include "ui/BasicTab.h"
#include "ui/BroadcastsView.h"
#include "ui/ConfigurationTab.h"
#include "ui/DeviceTypes.h"
#include "ui/DiagnosticsTab.h"
#include "ui/LoginDialog.h"
#include "ui/ModePages.h"
#include "ui/ProfileActions.h"
#include "ui/ProgrammingOutcome.h"
#include "ui/SerialTab.h"
#include "ui/SetPasswordDialog.h"
#include "ui/StatusNote.h"
#include "ui/cControlTab.h"
#include "ui/cDeviceActionsTab.h"
#include "ui_MainWindow.h"
#include "voyage/VoyageLogTab.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

// The pictures are compiled into the widgets library, whose objects the
// linker keeps only when asked for; the window is in every program that
// shows them.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(velmora);
}
Q_CONSTRUCTOR_FUNCTION(RegisterPictures)

namespace {

const int disconnectDelay = 3000;
const int disconnectDelayAfterBasicSend = 1100;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , app(VelmoraApplication::Instance())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::OnExit);
    connect(ui->actionChange_Password, &QAction::triggered, this, &MainWindow::OnChangePassword);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::OnAbout);
    // The pages report to the send button as they are added, so it comes first.
    CreateSendButton();
    CreatePages();
    profileActions = new ProfileActions(this, ui->menuFile);
    outcome = new ProgrammingOutcome(this);

    disconnectTimer = new QTimer(this);
    disconnectTimer->setObjectName(QStringLiteral("disconnectTimer"));
    disconnectTimer->setSingleShot(true);
    disconnectTimer->setInterval(disconnectDelay);
    connect(disconnectTimer, &QTimer::timeout, this, &MainWindow::OnDisconnectTimeout);

    // A menu's action without a tip, or a passing note that has run its
    // time, leaves the status bar blank; the link's state comes back.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& shown) {
        if (shown.isEmpty())
            ShowLinkState();
    });
    ShowLinkState();
    EnterBasicMode(-1);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::CreatePages()
{
    Model* tabModel = app->GetTabModel();
    basicTab = new BasicTab(tabModel, this);
    basicTab->setObjectName(QStringLiteral("tabBasic"));
    modePages = new ModePages(this, basicTab, ui->toolBar);
    tabs = modePages->Tabs();
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::OnTabChanged);
    connect(modePages, &ModePages::gnssMessageControl, this, &MainWindow::gnssMessageControl);
    connect(modePages, &ModePages::waitForRmc, this, &MainWindow::waitForRmc);
    connect(modePages, &ModePages::DiagnosticsRefreshDue, this, &MainWindow::OnDiagnosticsRefreshTimeout);

    deviceActionsTab = new cDeviceActionsTab(tabModel, this);
    modePages->Add(TabDeviceActions, deviceActionsTab, "tabDeviceActions");
    diagnosticsTab = new DiagnosticsTab(tabModel, this);
    connect(
        diagnosticsTab, &DiagnosticsTab::exportConfiguratonLog, this, &MainWindow::exportConfigurationLog);
    connect(diagnosticsTab, &DiagnosticsTab::refreshTimerControl, this,
        &MainWindow::OnDiagnosticsRefreshTimerControl);
    modePages->Add(TabDiagnostics, diagnosticsTab, "tabDiagnostics");
    broadcastsView = new BroadcastsView(this);
    modePages->Add(TabBroadcasts, broadcastsView, "tabBroadcasts");
    auto* gnssTab = new cGpsStatusTab(this);
    connect(app->GetGpsDecoder(), &GPSDecoder::GpsDataReceived, gnssTab, &cGpsStatusTab::OnGpsDataReceived);
    connect(app->GetGpsDecoder(), &GPSDecoder::SatelliteDataReceived, gnssTab,
        &cGpsStatusTab::OnSatelliteDataReceived);
    connect(app->GetGpsDecoder(), &GPSDecoder::RecordsReset, gnssTab, &cGpsStatusTab::OnRecordsReset);
    connect(app->GetGpsDecoder(), &GPSDecoder::GnssSentenceReceived, gnssTab,
        &cGpsStatusTab::OnGnssSentenceReceived);
    modePages->Add(TabGnssStatus, gnssTab, "tabGnssStatus");
    configurationTab = new ConfigurationTab(tabModel, this);
    connect(configurationTab, &TabBase::Edited, this, &MainWindow::OnEdited);
    modePages->Add(TabConfiguration, configurationTab, "tabConfiguration");
    controlTab = new cControlTab(tabModel, this);
    connect(controlTab, &TabBase::Edited, this, &MainWindow::OnEdited);
    connect(this, &MainWindow::lockPowerBoxControl, controlTab, &cControlTab::onlockCheckBoxPowerBoxEnable);
    modePages->Add(TabControl, controlTab, "tabControl");
    controlTab->setEnabled(false);
    voyageLogTab = new VoyageLogTab(tabModel, this);
    connect(voyageLogTab, &VoyageLogTab::VoyageSyncComplete, app, &VelmoraApplication::VoyageSyncComplete);
    connect(voyageLogTab, &VoyageLogTab::getVoyageDataLog, this, &MainWindow::getVoyageDataLog);
    connect(voyageLogTab, &VoyageLogTab::signalSendLogConfiguration, this,
        &MainWindow::signalSendLogConfiguration);
    connect(configurationTab, &ConfigurationTab::signalFixLogInterval, voyageLogTab,
        &VoyageLogTab::OnFixLogInterval);
    modePages->Add(TabVoyageData, voyageLogTab, "tabVoyageData");
    serialTab = new SerialTab(this);
    connect(serialTab, &SerialTab::Save, this, &MainWindow::OnSerialTabSaveLogFile);
    modePages->Add(TabSerialData, serialTab, "tabSerialData");
}

void MainWindow::CreateSendButton()
{
    // The button shows the icon alone; the text is its tool tip and its name to a screen reader.
    auto* send = new QAction(
        QIcon(QStringLiteral(":/velmora/PCtoIdentifier.png")), tr("Send configuration to Identifier"), this);
    send->setEnabled(false);
    connect(send, &QAction::triggered, this, &MainWindow::OnSendAllTabs);
    sendButton = new QToolButton(this);
    sendButton->setObjectName(QStringLiteral("sendButton"));
    sendButton->setDefaultAction(send);
    ui->toolBar->addWidget(sendButton);
    // The mode tool bar follows on a row of its own.
    addToolBarBreak(Qt::TopToolBarArea);
}

bool MainWindow::CheckMmsi()
{
    if (app->GetTabModel()->mmsi()->isInRange())
        return true;
    QMessageBox::warning(this, tr("MMSI Invalid"),
        tr("A valid MMSI in the range 100000000 to 999999999 must be entered. Identifier not updated."),
        QMessageBox::Ok);
    return false;
}

MainWindow::Mode MainWindow::CurrentMode() const
{
    return modePages->Current();
}

int MainWindow::CurrentTabId() const
{
    return modePages->CurrentTabId();
}

QWidget* MainWindow::Page(int tab) const
{
    return modePages->Page(tab);
}

// ---- modes

void MainWindow::OnBasicModeSelected()
{
    if (CurrentMode() != Mode::Basic)
        EnterBasicMode(0);
}

void MainWindow::OnDiagnosticsModeSelected()
{
    if (CurrentMode() != Mode::Diagnostic)
        EnterDiagnosticMode(0);
}

void MainWindow::OnAdvancedModeSelected()
{
    if (CurrentMode() == Mode::Advanced)
        return;
    LoginDialog login(this);
    if (login.exec() != QDialog::Accepted)
        return;
    // The first log-in uses the default password; the user chooses a real
    // one at once (cancelling does not stop the mode change).
    if (!app->HasPassword()) {
        SetPasswordDialog setPassword;
        setPassword.exec();
    }
    EnterAdvancedMode(0);
}

void MainWindow::OnAISType(int type)
{
    if (!DeviceTypes::IsKnown(type))
        return;
    switch (CurrentMode()) {
    case Mode::Advanced:
        EnterAdvancedMode(type);
        emit GetAllTabs();
        break;
    case Mode::Diagnostic:
        EnterDiagnosticMode(type);
        emit GetTab(TabDiagnostics);
        emit GetTab(TabVoyageSettings);
        break;
    case Mode::Basic:
        EnterBasicMode(type);
        emit GetTab(TabBasic);
        break;
    }
}

// A type of 0 means the mode was chosen by the user: the device must be
// identified again, and the type it reports rebuilds the same mode. A
// negative type (only at construction) builds the mode and asks for nothing.
void MainWindow::EnterBasicMode(int type)
{
    modePages->Show(Mode::Basic);
    if (type == 0)
        StartDataRetrieval();
    else if (type > 0)
        basicTab->SetDeviceType(type);
}

void MainWindow::EnterAdvancedMode(int type)
{
    sendButton->defaultAction()->setEnabled(false);
    modePages->Show(Mode::Advanced);
    ui->actionChange_Password->setEnabled(true);
    const bool identified = DeviceTypes::IsKnown(type);
    Page(TabConfiguration)->setEnabled(identified);
    Page(TabControl)->setEnabled(identified);
    if (identified) {
        controlTab->SetDeviceType(type);
        sendButton->defaultAction()->setEnabled(!busy);
    } else {
        StartDataRetrieval();
    }
    deviceActionsTab->EnableDeviceActions(true);
}

void MainWindow::EnterDiagnosticMode(int type)
{
    modePages->Show(Mode::Diagnostic);
    if (DeviceTypes::IsKnown(type))
        modePages->SetDiagnosticsRefresh(true);
    else
        StartDataRetrieval();
}

void MainWindow::StartDataRetrieval()
{
    busy = true;
    RefreshControls();
    emit startDataRetrieval();
}

// ---- controls

// The one place that enables and disables the window's controls.
void MainWindow::RefreshControls()
{
    const bool enabled = !disconnectPending && !busy;
    if (CurrentMode() == Mode::Basic)
        basicTab->setEnabled(enabled);
    else
        tabs->setEnabled(enabled);
    modePages->EnableModeButtons(enabled);
    sendButton->defaultAction()->setEnabled(
        enabled && CurrentMode() != Mode::Basic && !modePages->CurrentPageOnlyShows());
    emit lockPowerBoxControl(false);
}

void MainWindow::OnTabChanged(int index)
{
    if (index < 0)
        return;
    sendButton->defaultAction()->setEnabled(modePages->CurrentPageSendable() && !busy);
}

void MainWindow::OnUpdateTabIcon(int tab, int icon)
{
    modePages->SetIconRequested(tab, icon);
}

void MainWindow::OnEnableTab(int tab, bool enable)
{
    modePages->SetEnabledRequested(tab, enable);
}

void MainWindow::OnUpdateUiControls(bool lost_connection)
{
    busy = lost_connection;
    RefreshControls();
}

void MainWindow::OnConnectionError()
{
    busy = false;
    resetting = false;
    ShowLinkState();
    RefreshControls();
}

void MainWindow::OnEdited(QWidget*)
{
    emit Edited(CurrentTabId());
}

void MainWindow::OnUpdateTabFromTransportModel(int tab)
{
    if (TabBase* page = modePages->PageFilledFromDevice(tab))
        page->UpdateTabFromModel(app->GetTransportModel());
    broadcastsView->OnSettingsRead(tab, *app->GetTransportModel());
}

void MainWindow::OnUpdateTransportModelFromTab(int tab)
{
    if (TabBase* page = modePages->PageWrittenToDevice(tab))
        page->UpdateModelFromTab(app->GetTransportModel());
}

// ---- sending and device actions

void MainWindow::OnSendAllTabs()
{
    if (!CheckMmsi())
        return;
    busy = true;
    sendButton->defaultAction()->setEnabled(false);
    EnsureConnection();
    if (CurrentMode() == Mode::Basic) {
        emit SendTab(CurrentTabId());
    } else {
        emit lockPowerBoxControl(true);
        emit SendAllTabs();
    }
}

void MainWindow::OnSendCurrentTab()
{
    busy = true;
    EnsureConnection();
    emit SendTab(CurrentTabId());
}

void MainWindow::EnsureConnection()
{
    if (connected)
        return;
    app->ConnectSerialTransport();
    RefreshControls();
}

void MainWindow::OnClearId()
{
    EnsureConnection();
    emit ClearId();
}

void MainWindow::OnDeepSleep()
{
    RunDeviceAction(&MainWindow::DeepSleep);
}

void MainWindow::OnResetVessel()
{
    StartReset(&MainWindow::ResetVessel);
}

void MainWindow::OnResetConfig()
{
    StartReset(&MainWindow::ResetConfig);
}

void MainWindow::StartReset(void (MainWindow::*request)())
{
    resetBackup = profileActions->BackUpBeforeReset();
    resetting = true;
    ShowLinkState();
    RunDeviceAction(request);
}

void MainWindow::EndReset()
{
    resetting = false;
    ShowLinkState();
    if (!resetBackup.isEmpty()) {
        StatusNote::Show(this,
            tr("The Identifier was reset; its configuration from before is backed up in %1.")
                .arg(QDir::toNativeSeparators(resetBackup)));
    }
    resetBackup.clear();
}

void MainWindow::OnClearVoyageLog()
{
    RunDeviceAction(&MainWindow::ClearVoyageLog);
}

void MainWindow::RunDeviceAction(void (MainWindow::*request)())
{
    EnsureConnection();
    modePages->SetIcon(TabDeviceActions, TabIcon::Syncing);
    emit(this->*request)();
}

void MainWindow::OnJobCompleted(QString name, bool send)
{
    const bool deviceAction = name == JobName::DeepSleep || name == JobName::ClearHolder;
    const bool reset = name == JobName::ResetVessel || name == JobName::ResetConfig;
    if (reset && resetting)
        EndReset();
    if (name == JobName::VdrConfiguration && send)
        voyageLogTab->EnableControls(true);
    if (CurrentMode() == Mode::Basic && deviceAction)
        basicTab->EnableDeviceActions();
    if (CurrentMode() == Mode::Advanced && (deviceAction || reset)) {
        deviceActionsTab->EnableDeviceActions(true);
        modePages->SetIcon(TabDeviceActions, TabIcon::Synced);
    }
}

// ---- link

void MainWindow::onAutoConnect()
{
    app->ConnectSerialTransport();
    RefreshControls();
}

void MainWindow::OnConnected()
{
    connected = true;
    if (SerialTransport* transport = app->GetTransport()) {
        linkConnections << connect(serialTab, &SerialTab::Send, transport, &Transport::Send)
                        << connect(transport, &Transport::Sent, serialTab, &SerialTab::OnSent)
                        << connect(transport, &Transport::Received, serialTab, &SerialTab::OnReceived)
                        << connect(transport, &Transport::Received, voyageLogTab, &VoyageLogTab::OnReceived)
                        << connect(transport, &Transport::MessageToDiagnostics, diagnosticsTab,
                               &DiagnosticsTab::OnSchedulingMessageReceived)
                        << connect(transport, &Transport::MessageToDiagnostics, broadcastsView,
                               &BroadcastsView::OnLine);
    }
    linkConnections << connect(
        this, &MainWindow::VoyageLogRequested, voyageLogTab, &VoyageLogTab::OnLogRequested);
    voyageLogTab->ClearEntries();
    broadcastsView->Clear();
    linkConnections << connect(
        app->GetSerialController(), &SerialController::SaveError, this, &MainWindow::OnSaveError);
    serialTab->OnOpened();
    basicTab->OnOpened();
    // A device that drops off the port for its reset is back.
    if (resetting)
        EndReset();
    else
        ShowLinkState();
    RefreshControls();
    StartDataRetrieval();
}

void MainWindow::OnDisconnected(bool error)
{
    if (connected) {
        serialTab->OnClosed();
        basicTab->OnClosed();
        for (const QMetaObject::Connection& connection : qAsConst(linkConnections))
            disconnect(connection);
        linkConnections.clear();
        disconnectPending = !error && CurrentMode() != Mode::Basic;
        if (disconnectPending)
            disconnectTimer->start();
        connected = false;
    }
    if (error)
        resetting = false;
    ShowLinkState();
    RefreshControls();
}

// In basic mode the link closes before "Programming Complete", as it always has.
void MainWindow::OnBasicVerified()
{
    disconnectTimer->setInterval(disconnectDelayAfterBasicSend);
    disconnectTimer->start();
}

void MainWindow::OnDisconnectTimeout()
{
    disconnectPending = false;
    if (CurrentMode() == Mode::Basic) {
        app->Disconnect(false);
        if (CurrentMode() == Mode::Basic) {
            basicTab->EnableDeviceActions();
            outcome->ShowComplete(true);
        }
    }
    ShowLinkState();
    RefreshControls();
}

void MainWindow::OnDiagnosticsRefreshTimeout()
{
    emit GetTab(TabDiagnostics);
}

void MainWindow::OnDiagnosticsRefreshTimerControl(bool on)
{
    modePages->SetDiagnosticsRefresh(on);
}

void MainWindow::OnSerialTabSaveLogFile(bool save)
{
    if (save) {
        app->GetSerialController()->StopLog();
        serialTab->SetLogging(false);
    } else {
        StartSerialLog();
    }
    RefreshControls();
}

void MainWindow::StartSerialLog()
{
    // No connection box may pop up over the file dialog.
    cConnectionManager* connectionManager = app->GetConnectionManager();
    connectionManager->SetPromptsSuppressed(true);
    const QString name = QFileDialog::getSaveFileName(
        this, tr("Save Log To File"), app->LogFilename(), tr("Text Log Files (*.txt *.log)"));
    connectionManager->SetPromptsSuppressed(false);
    if (name.isEmpty())
        return;
    app->SetLogFilename(name);
    SerialController* serialController = app->GetSerialController();
    const bool started = serialController->StartLog(name);
    serialTab->SetLogging(started);
    if (!started)
        QMessageBox::critical(
            this, tr("Error creating Log File"), serialController->LogErrorString(), QMessageBox::Ok);
}

void MainWindow::OnSendError()
{
    const SerialTransport* transport = app->GetTransport();
    QMessageBox::critical(this, tr("Error sending to the Identifier"),
        transport ? transport->LastError() : tr("Unknown error"), QMessageBox::Ok);
}

void MainWindow::OnSaveError()
{
    QMessageBox::critical(this, tr("Error writing to the Log File"),
        app->GetSerialController()->LogErrorString(), QMessageBox::Ok);
}

void MainWindow::ShowLinkState()
{
    statusBar()->showMessage(LinkState());
}

QString MainWindow::LinkState() const
{
    if (resetting)
        return tr("Resetting the Identifier: it restarts, then its values are read again...");
    const SerialTransport* transport = app->GetTransport();
    if (connected && transport)
        return transport->ConnectionDescription();
    if (disconnectPending)
        return tr("The Identifier has disconnected; looking for it again in a few seconds...");
    return tr("Ready");
}

// ---- menu and messages

void MainWindow::OnChangePassword()
{
    SetPasswordDialog dialog;
    dialog.exec();
}

void MainWindow::OnExit()
{
    close();
}

void MainWindow::OnAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    modePages->StopGnssMessages();
    static_cast<cGpsStatusTab*>(Page(TabGnssStatus))->FinishRecording();
    const SerialTransport* transport = app->GetTransport();
    if (transport && transport->IsConnected()) {
        app->Disconnect(false);
        ShowLinkState();
        busy = false;
        RefreshControls();
    }
    app->GetSerialController()->StopLog();
    serialTab->SetLogging(false);
    // The connection prompt is a window of its own; left open, it would keep
    // the program running.
    app->GetConnectionManager()->StopPrompting();
    event->accept();
}

// An update cut short would leave the device in its boot loader, so the
// window stays while the updater runs. Otherwise only real work counts: the
// connection test and the idle poll may be cut short at any time.
bool MainWindow::ConfirmClose()
{
    if (app->GetStateMachine()->Updater()->IsRunning()) {
        QMessageBox::warning(this, QCoreApplication::applicationName(),
            tr("A firmware update is in progress. Close the program once the updater has finished: "
               "an interrupted update leaves the Identifier in its boot loader."));
        return false;
    }
    if (!ConfirmUnsentEdits())
        return false;
    const SerialTransport* transport = app->GetTransport();
    if (!transport || !transport->IsBusy() || transport->IsQueued(JobName::ConnectionTest, false)
        || transport->IsQueued(JobName::PollDevice, false))
        return true;
    QMessageBox question(QMessageBox::Question, QCoreApplication::applicationName(),
        tr("Communicating with the Identifier."), QMessageBox::Yes | QMessageBox::Cancel, this);
    question.setInformativeText(tr("Are you sure you wish to exit?"));
    question.setDefaultButton(QMessageBox::Cancel);
    return question.exec() == QMessageBox::Yes;
}

// Edits the device has not had, an opened profile among them, are lost with
// the window. Sending keeps the window open, so that the outcome is seen.
bool MainWindow::ConfirmUnsentEdits()
{
    const StateMachine* machine = app->GetStateMachine();
    // The pages whose edits the send button writes.
    const int pages[] = { TabConfiguration, TabControl, TabVoyageData };
    const bool edited = std::any_of(std::begin(pages), std::end(pages),
        [machine](int tab) { return machine->State(tab) == StateMachine::StateEdited; });
    if (!edited)
        return true;
    const std::unique_ptr<QMessageBox> question(UnsentEditsBox(this));
    question->exec();
    if (question->clickedButton() == question->defaultButton()) {
        OnSendAllTabs();
        return false;
    }
    return question->clickedButton() == question->button(QMessageBox::Discard);
}

QMessageBox* MainWindow::UnsentEditsBox(QWidget* parent)
{
    auto* question = new QMessageBox(QMessageBox::Question, QCoreApplication::applicationName(),
        tr("Some pages hold changes that have not been sent to the Identifier."),
        QMessageBox::Discard | QMessageBox::Cancel, parent);
    question->setObjectName(QStringLiteral("unsentEditsBox"));
    question->setInformativeText(
        tr("Send them now? The program stays open until the Identifier has them; quit again then."));
    QPushButton* send = question->addButton(tr("Send"), QMessageBox::AcceptRole);
    send->setObjectName(QStringLiteral("sendEdits"));
    question->setDefaultButton(send);
    return question;
}

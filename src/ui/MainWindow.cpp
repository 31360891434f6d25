#include "ui/MainWindow.h"

#include "app/JobNames.h"
#include "app/VelmoraApplication.h"
#include "gnss/GPSDecoder.h"
#include "gnss/cGpsStatusTab.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "link/cConnectionManager.h"
#include "model/Model.h"
#include "ui/AboutDialog.h"
#include "ui/BasicTab.h"
#include "ui/ConfigurationTab.h"
#include "ui/DeviceTypes.h"
#include "ui/DiagnosticsTab.h"
#include "ui/DisconnectDialog.h"
#include "ui/LoginDialog.h"
#include "ui/SerialTab.h"
#include "ui/SetPasswordDialog.h"
#include "ui/cControlTab.h"
#include "ui/cDeviceActionsTab.h"
#include "ui_MainWindow.h"
#include "voyage/VoyageLogTab.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

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
const int diagnosticsRefreshInterval = 5000;
const int modeToolBarHeight = 24;
const int modeIconSize = 16;
const qulonglong firstMmsi = 100000000;
const qulonglong lastMmsi = 999999999;

QIcon IconFor(MainWindow::TabIcon icon)
{
    switch (icon) {
    case MainWindow::TabIcon::Edited:
        return QIcon(QStringLiteral(":/velmora/TabEdited.png"));
    case MainWindow::TabIcon::NotSynced:
        return QIcon(QStringLiteral(":/velmora/TabNotSynced.png"));
    case MainWindow::TabIcon::Syncing:
        return QIcon(QStringLiteral(":/velmora/TabSyncing.png"));
    case MainWindow::TabIcon::Synced:
        return QIcon(QStringLiteral(":/velmora/TabSynced.png"));
    case MainWindow::TabIcon::None:
        break;
    }
    return QIcon();
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , app(VelmoraApplication::Instance())
    , tabs(new QTabWidget(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::OnExit);
    connect(ui->actionChange_Password, &QAction::triggered, this, &MainWindow::OnChangePassword);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::OnAbout);
    switchingMode = true;

    tabs->setObjectName(QStringLiteral("tabs"));
    // Every page title stays readable: the window is never narrower than the tabs.
    tabs->setUsesScrollButtons(false);
    tabs->hide();
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::OnTabChanged);
    // The pages report to the send button as they are added, so it comes first.
    CreateToolBars();
    CreatePages();

    disconnectTimer = new QTimer(this);
    disconnectTimer->setObjectName(QStringLiteral("disconnectTimer"));
    disconnectTimer->setSingleShot(true);
    disconnectTimer->setInterval(disconnectDelay);
    connect(disconnectTimer, &QTimer::timeout, this, &MainWindow::OnDisconnectTimeout);
    diagnosticsRefreshTimer = new QTimer(this);
    diagnosticsRefreshTimer->setObjectName(QStringLiteral("diagnosticsRefreshTimer"));
    diagnosticsRefreshTimer->setInterval(diagnosticsRefreshInterval);
    connect(diagnosticsRefreshTimer, &QTimer::timeout, this, &MainWindow::OnDiagnosticsRefreshTimeout);

    ShowReady();
    EnterBasicMode(-1);
    switchingMode = false;
}

MainWindow::~MainWindow()
{
    delete ui;
}

// Every page is made once and kept: modes only move pages in and out of the
// tab widget, so each keeps its state and connections.
void MainWindow::CreatePages()
{
    Model* tabModel = app->GetTabModel();
    basicTab = new BasicTab(tabModel, this);
    basicTab->setObjectName(QStringLiteral("tabBasic"));
    setCentralWidget(basicTab);
    pages.insert(TabBasic, basicTab);

    deviceActionsTab = new cDeviceActionsTab(tabModel, this);
    AddPage(TabDeviceActions, deviceActionsTab, "tabDeviceActions");
    diagnosticsTab = new DiagnosticsTab(tabModel, this);
    connect(
        diagnosticsTab, &DiagnosticsTab::exportConfiguratonLog, this, &MainWindow::exportConfigurationLog);
    connect(diagnosticsTab, &DiagnosticsTab::refreshTimerControl, this,
        &MainWindow::OnDiagnosticsRefreshTimerControl);
    AddPage(TabDiagnostics, diagnosticsTab, "tabDiagnostics");
    auto* gnssTab = new cGpsStatusTab(this);
    connect(app->GetGpsDecoder(), &GPSDecoder::GpsDataReceived, gnssTab, &cGpsStatusTab::OnGpsDataReceived);
    connect(app->GetGpsDecoder(), &GPSDecoder::SatelliteDataReceived, gnssTab,
        &cGpsStatusTab::OnSatelliteDataReceived);
    AddPage(TabGnssStatus, gnssTab, "tabGnssStatus");
    configurationTab = new ConfigurationTab(tabModel, this);
    connect(configurationTab, &TabBase::Edited, this, &MainWindow::OnEdited);
    AddPage(TabConfiguration, configurationTab, "tabConfiguration");
    controlTab = new cControlTab(tabModel, this);
    connect(controlTab, &TabBase::Edited, this, &MainWindow::OnEdited);
    connect(this, &MainWindow::lockPowerBoxControl, controlTab, &cControlTab::onlockCheckBoxPowerBoxEnable);
    AddPage(TabControl, controlTab, "tabControl");
    controlTab->setEnabled(false);
    voyageLogTab = new VoyageLogTab(tabModel, this);
    connect(voyageLogTab, &VoyageLogTab::VoyageSyncComplete, app, &VelmoraApplication::VoyageSyncComplete);
    connect(voyageLogTab, &VoyageLogTab::getVoyageDataLog, this, &MainWindow::getVoyageDataLog);
    connect(voyageLogTab, &VoyageLogTab::signalSendLogConfiguration, this,
        &MainWindow::signalSendLogConfiguration);
    connect(configurationTab, &ConfigurationTab::signalFixLogInterval, voyageLogTab,
        &VoyageLogTab::OnFixLogInterval);
    AddPage(TabVoyageData, voyageLogTab, "tabVoyageData");
    serialTab = new SerialTab(this);
    connect(serialTab, &SerialTab::Save, this, &MainWindow::OnSerialTabSaveLogFile);
    AddPage(TabSerialData, serialTab, "tabSerialData");
}

void MainWindow::AddPage(int tab, QWidget* page, const char* objectName)
{
    page->setObjectName(QLatin1String(objectName));
    pages.insert(tab, page);
    tabs->addTab(page, PageTitle(tab));
}

void MainWindow::CreateToolBars()
{
    auto* send = new QAction(QIcon(QStringLiteral(":/velmora/PCtoIdentifier.png")), QString(), this);
    send->setToolTip(tr("Send configuration to Identifier"));
    send->setEnabled(false);
    connect(send, &QAction::triggered, this, &MainWindow::OnSendAllTabs);
    sendButton = new QToolButton(this);
    sendButton->setObjectName(QStringLiteral("sendButton"));
    sendButton->setDefaultAction(send);
    ui->toolBar->addWidget(sendButton);
    addToolBarBreak(Qt::TopToolBarArea);

    modeToolBar = new QToolBar(tr("Select the mode"), this);
    modeToolBar->setObjectName(QStringLiteral("modeToolBar"));
    modeToolBar->setIconSize(QSize(modeIconSize, modeIconSize));
    modeToolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, modeToolBar);
    modeToolBar->addSeparator();
    AddModeButton(tr("Basic mode"), tr("Enter basic mode."), QIcon(), Qt::ToolButtonTextOnly,
        &MainWindow::OnBasicModeSelected);
    AddModeButton(tr("Diagnostic mode"), tr("Enter diagnostic mode."),
        QIcon(QStringLiteral(":/velmora/Diagnostics.png")), Qt::ToolButtonTextBesideIcon,
        &MainWindow::OnDiagnosticsModeSelected);
    AddModeButton(tr("Advanced mode"), tr("Enter advanced mode (password required)."),
        QIcon(QStringLiteral(":/velmora/Lock.png")), Qt::ToolButtonTextBesideIcon,
        &MainWindow::OnAdvancedModeSelected);
    // A compact bar, but never lower than its buttons with the system's font.
    modeToolBar->setFixedHeight(qMax(modeToolBarHeight, modeToolBar->sizeHint().height()));
}

void MainWindow::AddModeButton(const QString& text, const QString& toolTip, const QIcon& icon,
    Qt::ToolButtonStyle style, void (MainWindow::*slot)())
{
    auto* action = new QAction(icon, text, this);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, slot);
    auto* button = new QToolButton(modeToolBar);
    button->setDefaultAction(action);
    button->setToolButtonStyle(style);
    modeToolBar->addWidget(button);
    modeToolBar->addSeparator();
    modeButtons.append(button);
}

bool MainWindow::CheckMmsi()
{
    bool number = false;
    qulonglong mmsi = app->GetTabModel()->mmsi()->text().toULongLong(&number);
    if (!number)
        mmsi = 0;
    if (mmsi >= firstMmsi && mmsi <= lastMmsi)
        return true;
    QMessageBox::warning(this, tr("MMSI Invalid"),
        tr("A valid MMSI in the range 100000000 to 999999999 must be entered. Identifier not updated."),
        QMessageBox::Ok);
    return false;
}

int MainWindow::CurrentTabId() const
{
    if (mode == Mode::Basic)
        return TabBasic;
    return TabIdOf(tabs->currentWidget());
}

QWidget* MainWindow::Page(int tab) const
{
    return pages.value(tab, nullptr);
}

int MainWindow::TabIdOf(const QWidget* page) const
{
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        if (it.value() == page)
            return it.key();
    }
    return TabBasic;
}

bool MainWindow::IsShown(int tab) const
{
    const QWidget* page = Page(tab);
    return page && tabs->indexOf(const_cast<QWidget*>(page)) >= 0;
}

QString MainWindow::PageTitle(int tab) const
{
    switch (tab) {
    case TabConfiguration:
        return tr("Configuration");
    case TabControl:
        return tr("Control");
    case TabDeviceActions:
        return tr("Device Actions");
    case TabDiagnostics:
        return tr("Diagnostics");
    case TabGnssStatus:
        return tr("GNSS status");
    case TabVoyageData:
        return tr("Voyage data");
    case TabSerialData:
        return tr("Serial data");
    default:
        return QString();
    }
}

// ---- modes

void MainWindow::OnBasicModeSelected()
{
    if (mode != Mode::Basic)
        EnterBasicMode(0);
}

void MainWindow::OnDiagnosticsModeSelected()
{
    if (mode != Mode::Diagnostic)
        EnterDiagnosticMode(0);
}

void MainWindow::OnAdvancedModeSelected()
{
    if (mode == Mode::Advanced)
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
    switch (mode) {
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
    BeginModeChange(Mode::Basic);
    ShowCentral(basicTab);
    ShowPages({});
    ui->toolBar->hide();
    FitToMode();
    if (type == 0)
        StartDataRetrieval();
    else if (type > 0)
        basicTab->SetDeviceType(type);
    switchingMode = false;
}

void MainWindow::EnterAdvancedMode(int type)
{
    BeginModeChange(Mode::Advanced);
    ShowCentral(tabs);
    ui->toolBar->show();
    sendButton->defaultAction()->setEnabled(false);
    ShowPages({ TabConfiguration, TabControl, TabDeviceActions, TabVoyageData, TabDiagnostics, TabGnssStatus,
        TabSerialData });
    for (const int tab : { TabConfiguration, TabControl, TabVoyageData, TabDiagnostics })
        SetPageIcon(tab, TabIcon::NotSynced);
    SetPageIcon(TabDeviceActions, TabIcon::Synced);
    FitToMode();
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
    switchingMode = false;
}

void MainWindow::EnterDiagnosticMode(int type)
{
    BeginModeChange(Mode::Diagnostic);
    ShowCentral(tabs);
    ShowPages({ TabDiagnostics, TabVoyageData, TabGnssStatus, TabSerialData });
    ui->toolBar->hide();
    SetPageIcon(TabVoyageData, TabIcon::NotSynced);
    SetPageIcon(TabDiagnostics, TabIcon::NotSynced);
    FitToMode();
    if (DeviceTypes::IsKnown(type))
        diagnosticsRefreshTimer->start();
    else
        StartDataRetrieval();
    switchingMode = false;
}

void MainWindow::BeginModeChange(Mode newMode)
{
    StopGnssMessages();
    switchingMode = true;
    mode = newMode;
    modeToolBar->setEnabled(true);
}

// The widget that gives way stays a hidden child of the window.
void MainWindow::ShowCentral(QWidget* widget)
{
    if (centralWidget() != widget) {
        if (QWidget* previous = takeCentralWidget()) {
            previous->setParent(this);
            previous->hide();
        }
        setCentralWidget(widget);
    }
    widget->show();
}

void MainWindow::ShowPages(std::initializer_list<int> shown)
{
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (const int tab : shown)
        tabs->addTab(Page(tab), PageTitle(tab));
}

void MainWindow::FitToMode()
{
    centralWidget()->adjustSize();
    adjustSize();
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
    if (mode == Mode::Basic)
        basicTab->setEnabled(enabled);
    else
        tabs->setEnabled(enabled);
    for (QToolButton* button : qAsConst(modeButtons))
        button->defaultAction()->setEnabled(enabled);
    const int current = CurrentTabId();
    const bool sendablePage = current != TabDiagnostics && current != TabGnssStatus
        && current != TabVoyageData && current != TabSerialData;
    sendButton->defaultAction()->setEnabled(enabled && mode != Mode::Basic && sendablePage);
    emit lockPowerBoxControl(false);
}

void MainWindow::OnTabChanged(int index)
{
    if (index < 0)
        return;
    const QWidget* current = tabs->currentWidget();
    const bool sendable
        = (current == Page(TabConfiguration) || current == Page(TabControl)) && current->isEnabledTo(tabs);
    sendButton->defaultAction()->setEnabled(sendable && !busy);
    if (switchingMode)
        return;
    if (current == Page(TabGnssStatus)) {
        emit waitForRmc();
        emit gnssMessageControl(true);
        gnssMessagesOn = true;
    } else {
        StopGnssMessages();
        emit waitForRmc();
    }
    if (current == Page(TabDiagnostics))
        diagnosticsRefreshTimer->start();
    else
        diagnosticsRefreshTimer->stop();
}

void MainWindow::StopGnssMessages()
{
    if (!gnssMessagesOn)
        return;
    gnssMessagesOn = false;
    emit gnssMessageControl(false);
}

void MainWindow::SetPageIcon(int tab, TabIcon icon)
{
    const int index = tabs->indexOf(Page(tab));
    if (index >= 0)
        tabs->setTabIcon(index, IconFor(icon));
}

void MainWindow::OnUpdateTabIcon(int tab, int icon)
{
    if (tab < TabConfiguration || tab > TabVoyageData || icon < int(TabIcon::None)
        || icon > int(TabIcon::Synced))
        return;
    SetPageIcon(tab, TabIcon(icon));
}

void MainWindow::OnEnableTab(int tab, bool enable)
{
    if (tab == TabConfiguration || tab == TabControl || tab == TabVoyageData)
        Page(tab)->setEnabled(enable);
}

void MainWindow::OnUpdateUiControls(bool lost_connection)
{
    busy = lost_connection;
    RefreshControls();
}

void MainWindow::OnConnectionError()
{
    busy = false;
    RefreshControls();
}

void MainWindow::OnEdited(QWidget*)
{
    emit Edited(CurrentTabId());
}

void MainWindow::OnUpdateTabFromTransportModel(int tab)
{
    if (tab == TabBasic || tab == TabConfiguration || tab == TabControl || tab == TabDiagnostics
        || tab == TabVoyageData) {
        if (auto* page = qobject_cast<TabBase*>(Page(tab)))
            page->UpdateTabFromModel(app->GetTransportModel());
    }
}

void MainWindow::OnUpdateTransportModelFromTab(int tab)
{
    if (tab == TabBasic || tab == TabConfiguration || tab == TabControl || tab == TabVoyageData) {
        if (auto* page = qobject_cast<TabBase*>(Page(tab)))
            page->UpdateModelFromTab(app->GetTransportModel());
    }
}

// ---- sending and device actions

void MainWindow::OnSendAllTabs()
{
    if (!CheckMmsi())
        return;
    busy = true;
    sendButton->defaultAction()->setEnabled(false);
    EnsureConnection();
    if (mode == Mode::Basic) {
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
    RunDeviceAction(&MainWindow::ResetVessel);
}

void MainWindow::OnResetConfig()
{
    RunDeviceAction(&MainWindow::ResetConfig);
}

void MainWindow::OnClearVoyageLog()
{
    RunDeviceAction(&MainWindow::ClearVoyageLog);
}

void MainWindow::RunDeviceAction(void (MainWindow::*request)())
{
    EnsureConnection();
    SetPageIcon(TabDeviceActions, TabIcon::Syncing);
    emit(this->*request)();
}

void MainWindow::OnJobCompleted(QString name, bool send)
{
    const bool deviceAction = name == JobName::DeepSleep || name == JobName::ClearHolder;
    if (name == JobName::VdrConfiguration && send)
        voyageLogTab->EnableControls(true);
    if (mode == Mode::Basic) {
        if (name == JobName::Basic && send) {
            disconnectTimer->setInterval(disconnectDelayAfterBasicSend);
            disconnectTimer->start();
        }
        if (deviceAction)
            basicTab->EnableDeviceActions();
    }
    if (mode == Mode::Advanced
        && (deviceAction || name == JobName::ResetVessel || name == JobName::ResetConfig)) {
        deviceActionsTab->EnableDeviceActions(true);
        SetPageIcon(TabDeviceActions, TabIcon::Synced);
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
                               &DiagnosticsTab::OnSchedulingMessageReceived);
    }
    linkConnections << connect(
        this, &MainWindow::VoyageLogRequested, voyageLogTab, &VoyageLogTab::OnLogRequested);
    voyageLogTab->ClearEntries();
    linkConnections << connect(
        app->GetSerialController(), &SerialController::SaveError, this, &MainWindow::OnSaveError);
    serialTab->OnOpened();
    basicTab->OnOpened();
    if (const SerialTransport* transport = app->GetTransport())
        statusBar()->showMessage(transport->ConnectionDescription());
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
        disconnectPending = !error && mode != Mode::Basic;
        if (disconnectPending)
            disconnectTimer->start();
        connected = false;
    }
    ShowReady();
    RefreshControls();
}

void MainWindow::OnDisconnectTimeout()
{
    disconnectPending = false;
    if (mode == Mode::Basic) {
        app->Disconnect(false);
        if (mode == Mode::Basic) {
            basicTab->EnableDeviceActions();
            DisconnectDialog done(this);
            done.exec();
        }
    }
    ShowReady();
    RefreshControls();
}

void MainWindow::OnDiagnosticsRefreshTimeout()
{
    emit GetTab(TabDiagnostics);
}

void MainWindow::OnDiagnosticsRefreshTimerControl(bool on)
{
    if (CurrentTabId() != TabDiagnostics)
        return;
    if (on)
        diagnosticsRefreshTimer->start();
    else
        diagnosticsRefreshTimer->stop();
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

void MainWindow::ShowReady()
{
    statusBar()->showMessage(tr("Ready"));
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
    StopGnssMessages();
    const SerialTransport* transport = app->GetTransport();
    if (transport && transport->IsConnected()) {
        app->Disconnect(false);
        ShowReady();
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

// Only real work counts: the connection test and the idle poll may be cut
// short at any time.
bool MainWindow::ConfirmClose()
{
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

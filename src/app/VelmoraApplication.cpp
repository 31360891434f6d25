#include "app/VelmoraApplication.h"

#include "app/FocusFrameStyle.h"
#include "app/ProgramIdentity.h"
#include "app/TranslationLoader.h"
#include "control/StateMachine.h"
#include "gnss/GPSDecoder.h"
#include "link/LogExportMessage.h"
#include "link/LogFile.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "link/cConnectionManager.h"
#include "model/Model.h"
#include "protocol/cChapPasswordEntry.h"
#include "protocol/cSecurityDomainManager.h"
#include "recovery/BootLoaderRecovery.h"
#include "ui/MainWindow.h"
#include "ui/ProgrammingOutcome.h"
#include "ui/RecoveryPrompt.h"

#include <QIcon>
#include <QMessageBox>
#include <QPalette>
#include <QTextStream>
#include <cstdio>

VelmoraApplication::VelmoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , connectionManager(new cConnectionManager(this))
{
    ProgramIdentity::Apply();
    SetLook();
    SetIcon();
    TranslationLoader::Install(*this);
    ReadCommandLine();
    connect(connectionManager, &cConnectionManager::portFound, this, &VelmoraApplication::SetPortName);
    CreateServices();
    settings.Load();
    images.Scan(UpdateImages::DefaultFolders());
    connect(this, &QCoreApplication::aboutToQuit, this, &VelmoraApplication::OnClosing);
}

std::optional<int> VelmoraApplication::AnswerWithoutWindow(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine::Request asked = CommandLine().Parse(arguments);
    if (asked != CommandLine::Request::Help && asked != CommandLine::Request::Version) {
        return std::nullopt;
    }
    QCoreApplication application(argc, argv);
    ProgramIdentity::Apply();
    TranslationLoader::Install(application);
    // Made after the translations, which its texts and Qt's are taken from.
    CommandLine translated;
    return Answer(translated, translated.Parse(application.arguments()));
}

VelmoraApplication* VelmoraApplication::Instance()
{
    auto* application = qobject_cast<VelmoraApplication*>(QCoreApplication::instance());
    if (!application) {
        qFatal("The velmora application object does not exist.");
    }
    return application;
}

int VelmoraApplication::Run()
{
    if (request != CommandLine::Request::Run) {
        return Answer(*commandLine, request);
    }
    MainWindow window;
    SetMainWindow(&window);
    window.show();
    ShowConnectPrompt();
    return exec();
}

Model* VelmoraApplication::GetTabModel() const
{
    return tabModel;
}

Model* VelmoraApplication::GetTransportModel() const
{
    return transportModel;
}

SerialController* VelmoraApplication::GetSerialController() const
{
    return serialController;
}

cConnectionManager* VelmoraApplication::GetConnectionManager() const
{
    return connectionManager;
}

SerialTransport* VelmoraApplication::GetTransport() const
{
    return transport;
}

void VelmoraApplication::ShowConnectPrompt()
{
    connectionManager->ShowConnectPrompt();
}

QString VelmoraApplication::LogFilename() const
{
    return settings.LogFilename();
}

void VelmoraApplication::SetLogFilename(const QString& name)
{
    settings.SetLogFilename(name);
}

QString VelmoraApplication::PortName() const
{
    return settings.PortName();
}

void VelmoraApplication::SetPortName(const QString& name)
{
    settings.SetPortName(name);
}

bool VelmoraApplication::ShowTransmit() const
{
    return settings.ShowTransmit();
}

QStringList VelmoraApplication::ConsoleHistory() const
{
    return settings.ConsoleHistory();
}

void VelmoraApplication::SetConsoleHistory(const QStringList& lines)
{
    settings.SetConsoleHistory(lines);
}

bool VelmoraApplication::HasPassword() const
{
    return settings.Password().IsSet();
}

bool VelmoraApplication::CheckPassword(const QString& text) const
{
    return settings.Password().Check(text);
}

bool VelmoraApplication::SetPassword(const QString& text)
{
    return settings.SetPassword(text);
}

bool VelmoraApplication::HasUpdateImage(bool family160200) const
{
    return images.Newest(family160200).present;
}

QString VelmoraApplication::UpdateImageVersion(bool family160200) const
{
    return images.Newest(family160200).version;
}

QString VelmoraApplication::UpdateImagePath(bool family160200) const
{
    return images.Newest(family160200).path;
}

int VelmoraApplication::VendorId() const
{
    return commandLine->VendorId();
}

int VelmoraApplication::ProductId() const
{
    return commandLine->ProductId();
}

QString VelmoraApplication::CommandLinePort() const
{
    return commandLine->PortPath();
}

void VelmoraApplication::ConnectSerialTransport()
{
    if (transport) {
        return;
    }
    transport = new SerialTransport(transportModel, serialController, PortName(), this);
    connectionManager->SetTransportPresent(true);
    stateMachine->SetPortName(PortName());
    stateMachine->Attach(transport);
    ConnectTransportToWindow();
    gpsDecoder->reset();
    connect(transport, &Transport::Received, gpsDecoder, &GPSDecoder::OnReceived);
    transport->start(QThread::InheritPriority);
    transport->ConnectAtBaud(true);
}

// The transport may be the sender of the signal that led here, so it is only
// cut off at once and deleted once control is back in the event loop. It
// leaves the member first, so a reentrant call finds nothing to end.
void VelmoraApplication::Disconnect(bool error)
{
    SerialTransport* ending = transport;
    if (!ending) {
        return;
    }
    transport = nullptr;
    emit Disconnecting(error);
    ending->Disconnect(error);
    if (error) {
        emit ConnectError();
    }
    ending->disconnect();
    serialController->disconnect(ending);
    stateMachine->disconnect(ending);
    gpsDecoder->reset();
    ending->quit();
    ending->wait(1000);
    ending->deleteLater();
    connectionManager->SetTransportPresent(false);
}

// After ProgramIdentity::Apply(): the state machine's configuration log lies in the
// application's data folder, which is named after the application. The
// state machine's links to the window are the window's business.
void VelmoraApplication::CreateServices()
{
    tabModel = new Model(this);
    transportModel = new Model(this);
    serialController = new SerialController(this);
    gpsDecoder = new GPSDecoder(this);
    // The core library cannot name a dialog: the password prompt is handed
    // to the security manager here.
    cSecurityDomainManager::setDefaultPasswordSource(&cChapPasswordEntry::askPassword);
    stateMachine = new StateMachine(
        tabModel, transportModel, &images, StateMachine::DefaultConfigurationLogPath(), this);
    connect(stateMachine, &StateMachine::Disconnect, this, &VelmoraApplication::Disconnect);
    connect(this, &VelmoraApplication::Disconnecting, stateMachine, &StateMachine::Disconnecting);
    connect(this, &VelmoraApplication::VoyageSyncComplete, stateMachine, &StateMachine::OnVoyageSyncComplete);
    connect(stateMachine->ConfigurationLog(), &LogFile::ExportFinished, this, &LogExportMessage::Show);
    connect(
        stateMachine, &StateMachine::DisplayError, connectionManager, &cConnectionManager::OnDisplayError);
    connect(stateMachine, &StateMachine::ClearDisplayError, connectionManager,
        &cConnectionManager::OnClearDisplayError);
    recovery = new BootLoaderRecovery(stateMachine, &images, cUpdateTiming(), this);
}

void VelmoraApplication::OnClosing()
{
    if (!settings.SaveIfChanged()) {
        QMessageBox::warning(nullptr, applicationName(),
            tr("The settings could not be saved.\n\nCheck the access permissions of the settings store."));
    }
}

// Fusion looks the same on every platform; the selection is drawn as plain
// white with black text, and the keyboard focus in a colour of its own.
void VelmoraApplication::SetLook()
{
    setStyle(new FocusFrameStyle);
    QPalette look = palette();
    look.setBrush(QPalette::Highlight, QColor(Qt::white).lighter(150));
    look.setBrush(QPalette::HighlightedText, QColor(Qt::black));
    setPalette(look);
}

// Every window without an icon of its own shows the application's. The
// desktop finds the entry, and with it the icon of the installed program, by
// the desktop file's name.
void VelmoraApplication::SetIcon()
{
    Q_INIT_RESOURCE(velmora);
    setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));
    setDesktopFileName(QStringLiteral("velmora"));
}

void VelmoraApplication::ReadCommandLine()
{
    commandLine.emplace();
    request = commandLine->Parse(arguments());
    QTextStream errors(stderr);
    for (const QString& warning : commandLine->Warnings()) {
        errors << applicationName() << ": " << warning << '\n';
    }
    connectionManager->SetDeviceIds(commandLine->VendorId(), commandLine->ProductId());
    connectionManager->SetPortPath(commandLine->PortPath());
}

int VelmoraApplication::Answer(const CommandLine& line, CommandLine::Request asked)
{
    switch (asked) {
    case CommandLine::Request::Help:
        QTextStream(stdout) << line.HelpText();
        return 0;
    case CommandLine::Request::Version:
        QTextStream(stdout) << applicationName() << ' ' << applicationVersion() << '\n';
        return 0;
    default:
        QTextStream(stderr) << applicationName() << ": " << line.ErrorText() << '\n'
                            << tr("Try \"%1 --help\".").arg(applicationName()) << '\n';
        return 1;
    }
}

void VelmoraApplication::SetMainWindow(MainWindow* window)
{
    mainWindow = window;
    StateMachine* sm = stateMachine;
    connect(window, &MainWindow::Edited, sm, &StateMachine::Edited);
    connect(window, &MainWindow::SendTab, sm, &StateMachine::SendTab);
    connect(window, &MainWindow::SendAllTabs, sm, &StateMachine::SendAllTabs);
    connect(window, &MainWindow::GetTab, sm, &StateMachine::GetTab);
    connect(window, &MainWindow::GetAllTabs, sm, &StateMachine::GetAllTabs);
    connect(window, &MainWindow::ClearId, sm, &StateMachine::OnClearId);
    connect(window, &MainWindow::DeepSleep, sm, &StateMachine::OnDeepSleep);
    connect(window, &MainWindow::ResetVessel, sm, &StateMachine::OnResetVessel);
    connect(window, &MainWindow::ResetConfig, sm, &StateMachine::OnResetConfig);
    connect(window, &MainWindow::ClearVoyageLog, sm, &StateMachine::OnClearVoyageLog);
    connect(window, &MainWindow::startDataRetrieval, sm, &StateMachine::on_StartDataRetrieval);
    connect(window, &MainWindow::gnssMessageControl, sm, &StateMachine::on_gnssMessageControl);
    connect(window, &MainWindow::exportConfigurationLog, sm, &StateMachine::exportConfigurationLog);
    connect(window, &MainWindow::waitForRmc, gpsDecoder, &GPSDecoder::onWaitForRmc);
    connect(window, &MainWindow::getVoyageDataLog, sm, &StateMachine::GetTab);
    connect(window, &MainWindow::signalSendLogConfiguration, sm, &StateMachine::SendTab);
    connect(window, &MainWindow::ClearDisplayError, connectionManager, &cConnectionManager::OnClearDisplayError);
    connect(sm, &StateMachine::VoyageLogRequested, window, &MainWindow::VoyageLogRequested);
    connect(sm, &StateMachine::UpdateUiControls, window, &MainWindow::OnUpdateUiControls);
    connect(sm, &StateMachine::UpdateTabFromTransportModel, window, &MainWindow::OnUpdateTabFromTransportModel);
    connect(sm, &StateMachine::UpdateTransportModelFromTab, window, &MainWindow::OnUpdateTransportModelFromTab);
    connect(sm, &StateMachine::UpdateTabIcon, window, &MainWindow::OnUpdateTabIcon);
    connect(sm, &StateMachine::EnableTab, window, &MainWindow::OnEnableTab);
    connect(sm, &StateMachine::AISType, window, &MainWindow::OnAISType);
    connect(sm, &StateMachine::JobCompleted, window, &MainWindow::OnJobCompleted);
    connect(sm, &StateMachine::sm_connected, window, &MainWindow::OnConnected);
    connect(sm, &StateMachine::WriteVerified, window->Outcome(), &ProgrammingOutcome::OnWriteVerified);
    connect(sm, &StateMachine::WriteUnverified, window->Outcome(), &ProgrammingOutcome::OnWriteUnverified);
    connect(sm, &StateMachine::MmsiMayBeLost, window->Outcome(), &ProgrammingOutcome::OnMmsiMayBeLost);
    // While the updater has the device, the window takes no input.
    connect(sm, &StateMachine::updaterRunning, window, [window](bool running) { window->setEnabled(!running); });
    connect(connectionManager, &cConnectionManager::autoConnect, window, &MainWindow::onAutoConnect);
    new RecoveryPrompt(recovery, window);
}

void VelmoraApplication::ConnectTransportToWindow()
{
    if (!mainWindow) {
        return;
    }
    connect(transport, &Transport::SendError, mainWindow, &MainWindow::OnSendError);
    connect(transport, &Transport::Disconnected, mainWindow, &MainWindow::OnDisconnected);
    connect(this, &VelmoraApplication::ConnectError, mainWindow, &MainWindow::OnConnectionError,
        Qt::UniqueConnection);
}

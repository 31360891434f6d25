#pragma once

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/UpdateImages.h"

#include <QApplication>
#include <QPointer>

#include <optional>

class BootLoaderRecovery;
class GPSDecoder;
class MainWindow;
class Model;
class SerialController;
class SerialTransport;
class StateMachine;
class cConnectionManager;

// The root of the configuration program: it keeps the settings, knows the
// shipped firmware images and the command line, and owns the long-lived
// service objects. Other classes reach these through Instance().
class VelmoraApplication : public QApplication {
    Q_OBJECT

public:
    VelmoraApplication(int& argc, char** argv);

    // Answers --help and --version, in the user's language, before the
    // window's application exists, so that they need no display. Returns
    // nothing when the program goes on: a command line that is wrong may
    // hold Qt's own options, which only the window's application takes away,
    // so Run() answers it.
    static std::optional<int> AnswerWithoutWindow(int& argc, char** argv);

    // The running application; ends the program if there is none, since no
    // part of it can work without one.
    static VelmoraApplication* Instance();

    // Answers the command line, or shows the main window and runs the event
    // loop. Returns the program's exit code.
    int Run();

    // The model the configuration tabs edit and the one the device fills.
    Model* GetTabModel() const;
    Model* GetTransportModel() const;
    SerialController* GetSerialController() const;
    cConnectionManager* GetConnectionManager() const;
    GPSDecoder* GetGpsDecoder() const { return gpsDecoder; }
    StateMachine* GetStateMachine() const { return stateMachine; }
    // Connects the window to the services; the window-facing signals of each
    // new transport follow in ConnectSerialTransport().
    void SetMainWindow(MainWindow* window);
    // Null while not connected.
    SerialTransport* GetTransport() const;
    // Asks the user to insert or connect an Identifier until one is found.
    void ShowConnectPrompt();

    QString LogFilename() const;
    void SetLogFilename(const QString& name);
    QString PortName() const;
    void SetPortName(const QString& name);
    bool ShowTransmit() const;
    // Saved with the other settings as the program ends.
    QStringList ConsoleHistory() const;
    void SetConsoleHistory(const QStringList& lines);

    bool HasPassword() const;
    bool CheckPassword(const QString& text) const;
    // Stores the new password and saves the settings at once; false if the
    // save failed (the password is then kept until the next save).
    bool SetPassword(const QString& text);

    // Family "160200" when true, "050200" when false.
    bool HasUpdateImage(bool family160200) const;
    QString UpdateImageVersion(bool family160200) const;
    QString UpdateImagePath(bool family160200) const;

    // From the command line: the USB ids to look for (-1 when not given) and
    // the port to use regardless of its ids (empty when not given).
    int VendorId() const;
    int ProductId() const;
    QString CommandLinePort() const;

public slots:
    // Makes a transport on the "PortName" port and starts its first
    // connection attempt; does nothing while a transport exists.
    void ConnectSerialTransport();
    // Ends the link and deletes the transport; does nothing without one.
    void Disconnect(bool error);

signals:
    // Relayed to the state machine: the voyage log has been fetched.
    void VoyageSyncComplete();
    void Disconnecting(bool error);
    // Disconnect(true): the link ended on a communication failure.
    void ConnectError();

private slots:
    void OnClosing();

private:
    void SetLook();
    void SetIcon();
    void ReadCommandLine();
    static int Answer(const CommandLine& line, CommandLine::Request asked);

    void CreateServices();
    void ConnectTransportToWindow();

    AppSettings settings;
    UpdateImages images;
    // Made once the translations are installed.
    std::optional<CommandLine> commandLine;
    CommandLine::Request request = CommandLine::Request::Run;
    cConnectionManager* connectionManager;
    Model* tabModel = nullptr;
    Model* transportModel = nullptr;
    SerialController* serialController = nullptr;
    GPSDecoder* gpsDecoder = nullptr;
    StateMachine* stateMachine = nullptr;
    BootLoaderRecovery* recovery = nullptr;
    QPointer<MainWindow> mainWindow;
    SerialTransport* transport = nullptr;
};

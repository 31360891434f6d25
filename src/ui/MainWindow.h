#pragma once

#include <QMainWindow>

class BasicTab;
class BroadcastsView;
class ConfigurationTab;
class DiagnosticsTab;
class SerialTab;
class VoyageLogTab;
class cControlTab;
class cDeviceActionsTab;
class ModePages;
class ProfileActions;
class ProgrammingOutcome;
class Model;
class QMessageBox;
class QTabWidget;
class QTimer;
class QToolButton;
class VelmoraApplication;

namespace Ui {
class MainWindow;
}

// The program's only window. It owns every tab and wires it, lets the user
// switch between the basic, diagnostic and advanced modes (whose pages are
// kept by ModePages), and turns the user's requests into signals for the
// connection state machine; the state machine's answers land in its slots.
// It never talks to the device itself.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Mode { Basic, Advanced, Diagnostic };

    // The tab ids shared with the state machine.
    enum TabId {
        TabBasic = 0,
        TabConfiguration = 2,
        TabControl = 3,
        TabDeviceActions = 4,
        TabDiagnostics = 5,
        TabGnssStatus = 6,
        TabVoyageData = 7,
        TabVoyageSettings = 8,
        TabSerialData = 10,
        TabBroadcasts = 11, // the program's own: the state machine has no such tab
    };

    // The tab icon values, which are also the state machine's tab states.
    enum class TabIcon { None = 0, Edited = 1, NotSynced = 2, Syncing = 3, Synced = 4 };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // True when the tab model's MMSI is in the valid range; otherwise tells
    // the user and returns false.
    bool CheckMmsi();
    int CurrentTabId() const;
    Mode CurrentMode() const;
    // The page of a tab id, whether shown or not; null for ids without one.
    QWidget* Page(int tab) const;
    BasicTab* GetBasicTab() const { return basicTab; }
    ConfigurationTab* GetConfigurationTab() const { return configurationTab; }
    cControlTab* GetControlTab() const { return controlTab; }
    cDeviceActionsTab* GetDeviceActionsTab() const { return deviceActionsTab; }
    DiagnosticsTab* GetDiagnosticsTab() const { return diagnosticsTab; }
    SerialTab* GetSerialTab() const { return serialTab; }
    VoyageLogTab* GetVoyageLogTab() const { return voyageLogTab; }
    ProgrammingOutcome* Outcome() const { return outcome; }
    // The question before quitting with edits unsent; Send is its default button.
    static QMessageBox* UnsentEditsBox(QWidget* parent);

signals:
    void Edited(int tab);
    void SendTab(int tab);
    void SendAllTabs();
    void GetTab(int tab);
    void GetAllTabs();
    void ClearId();
    void DeepSleep();
    void ResetVessel();
    void ResetConfig();
    void ClearVoyageLog();
    void VoyageLogRequested();
    void startDataRetrieval();
    void lockPowerBoxControl(bool lock);
    void ClearDisplayError();
    void getVoyageDataLog(int tab);
    void signalSendLogConfiguration(int tab);
    void gnssMessageControl(bool on);
    void waitForRmc();
    void exportConfigurationLog(QString filename);

public slots:
    void onAutoConnect();
    void OnChangePassword();
    void OnExit();
    void OnAbout();
    void OnTabChanged(int index);
    void OnBasicModeSelected();
    void OnAdvancedModeSelected();
    void OnDiagnosticsModeSelected();
    void OnConnectionError();
    void OnSendCurrentTab();
    void OnSendAllTabs();
    void OnConnected();
    void OnSerialTabSaveLogFile(bool save);
    void OnSendError();
    void OnSaveError();
    void OnDisconnected(bool error);
    void OnBasicVerified();
    void OnDisconnectTimeout();
    void OnDiagnosticsRefreshTimeout();
    void OnEdited(QWidget* tab);
    void OnUpdateUiControls(bool lost_connection);
    void OnUpdateTabFromTransportModel(int tab);
    void OnUpdateTransportModelFromTab(int tab);
    void OnUpdateTabIcon(int tab, int icon);
    void OnEnableTab(int tab, bool enable);
    void OnAISType(int type);
    void OnJobCompleted(QString name, bool send);
    void OnClearId();
    void OnDeepSleep();
    void OnResetVessel();
    void OnResetConfig();
    void OnClearVoyageLog();
    void OnDiagnosticsRefreshTimerControl(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreatePages();
    void CreateSendButton();

    void EnterBasicMode(int type);
    void EnterAdvancedMode(int type);
    void EnterDiagnosticMode(int type);
    void StartDataRetrieval();

    void RefreshControls();
    void EnsureConnection();
    void RunDeviceAction(void (MainWindow::*request)());
    void StartReset(void (MainWindow::*request)());
    void EndReset();
    void StartSerialLog();
    bool ConfirmClose();
    bool ConfirmUnsentEdits();
    // The status bar's lasting message: what the link is doing.
    void ShowLinkState();
    QString LinkState() const;

    Ui::MainWindow* ui;
    VelmoraApplication* app;
    QTabWidget* tabs = nullptr;
    ModePages* modePages = nullptr;
    ProfileActions* profileActions = nullptr;
    ProgrammingOutcome* outcome = nullptr;
    BasicTab* basicTab;
    ConfigurationTab* configurationTab;
    cControlTab* controlTab;
    cDeviceActionsTab* deviceActionsTab;
    DiagnosticsTab* diagnosticsTab;
    BroadcastsView* broadcastsView;
    SerialTab* serialTab;
    VoyageLogTab* voyageLogTab;
    QToolButton* sendButton = nullptr;
    QTimer* disconnectTimer;
    QList<QMetaObject::Connection> linkConnections;

    bool connected = false;
    bool disconnectPending = false;
    bool busy = false;
    // From the reset's request until it has completed or the device is back.
    bool resetting = false;
    QString resetBackup;
};

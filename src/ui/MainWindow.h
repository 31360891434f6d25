#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMap>

class BasicTab;
class ConfigurationTab;
class DiagnosticsTab;
class SerialTab;
class VoyageLogTab;
class cControlTab;
class cDeviceActionsTab;
class Model;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class VelmoraApplication;

namespace Ui {
class MainWindow;
}

// The program's only window. It owns every tab, switches between the basic,
// diagnostic and advanced modes, shows on each tab's icon whether the tab is
// in step with the Identifier, and turns the user's requests into signals for
// the connection state machine; the state machine's answers land in its
// slots. It never talks to the device itself.
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
    };

    // The tab icon values, which are also the state machine's tab states.
    enum class TabIcon { None = 0, Edited = 1, NotSynced = 2, Syncing = 3, Synced = 4 };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // True when the tab model's MMSI is in the valid range; otherwise tells
    // the user and returns false.
    bool CheckMmsi();
    int CurrentTabId() const;
    Mode CurrentMode() const { return mode; }
    // The page of a tab id, whether shown or not; null for ids without one.
    QWidget* Page(int tab) const;
    BasicTab* GetBasicTab() const { return basicTab; }
    ConfigurationTab* GetConfigurationTab() const { return configurationTab; }
    cControlTab* GetControlTab() const { return controlTab; }
    cDeviceActionsTab* GetDeviceActionsTab() const { return deviceActionsTab; }
    DiagnosticsTab* GetDiagnosticsTab() const { return diagnosticsTab; }
    SerialTab* GetSerialTab() const { return serialTab; }
    VoyageLogTab* GetVoyageLogTab() const { return voyageLogTab; }

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
    void AddPage(int tab, QWidget* page, const char* objectName);
    void CreateToolBars();
    void AddModeButton(const QString& text, const QString& toolTip, const QIcon& icon,
        Qt::ToolButtonStyle style, void (MainWindow::*slot)());

    void EnterBasicMode(int type);
    void EnterAdvancedMode(int type);
    void EnterDiagnosticMode(int type);
    void BeginModeChange(Mode newMode);
    void ShowCentral(QWidget* widget);
    void ShowPages(std::initializer_list<int> tabs);
    void FitToMode();
    void StartDataRetrieval();

    void RefreshControls();
    void SetPageIcon(int tab, TabIcon icon);
    void StopGnssMessages();
    void EnsureConnection();
    void RunDeviceAction(void (MainWindow::*request)());
    void StartSerialLog();
    bool ConfirmClose();
    void ShowReady();
    QString PageTitle(int tab) const;
    int TabIdOf(const QWidget* page) const;
    bool IsShown(int tab) const;

    Ui::MainWindow* ui;
    VelmoraApplication* app;
    QTabWidget* tabs;
    QMap<int, QWidget*> pages;
    BasicTab* basicTab;
    ConfigurationTab* configurationTab;
    cControlTab* controlTab;
    cDeviceActionsTab* deviceActionsTab;
    DiagnosticsTab* diagnosticsTab;
    SerialTab* serialTab;
    VoyageLogTab* voyageLogTab;
    QToolButton* sendButton = nullptr;
    QToolBar* modeToolBar = nullptr;
    QList<QToolButton*> modeButtons;
    QTimer* disconnectTimer;
    QTimer* diagnosticsRefreshTimer;
    QList<QMetaObject::Connection> linkConnections;

    Mode mode = Mode::Basic;
    bool connected = false;
    bool disconnectPending = false;
    bool busy = false;
    bool gnssMessagesOn = false;
    bool switchingMode = false;
};

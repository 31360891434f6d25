#pragma once

#include "profile/Profile.h"
#include "profile/ProfileComparison.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVector>

class LogFile;
class Model;
class Transport;
class UpdateImages;
class UpdaterLauncher;

// Decides what is said to the Identifier and when: it tests and identifies
// the device, hands an outdated one to the updater, reads and writes the
// configuration tab by tab, keeps a synchronisation state per tab, polls the
// device while idle and turns every failure into a message and a disconnect.
class StateMachine : public QObject {
    Q_OBJECT

public:
    // Tab ids shared with the main window.
    enum Tab {
        TabBasic = 0,
        TabConfiguration = 2,
        TabControl = 3,
        TabDeviceActions = 4,
        TabDiagnostics = 5,
        TabGnss = 6,
        TabVoyage = 7,
        TabVoyageSettings = 8,
        TabConsole = 10,
    };
    // Tab states, also the values of the tab icons.
    enum TabState {
        StateNotConnected = 0,
        StateEdited = 1,
        StateNotSynchronised = 2,
        StateBusy = 3,
        StateSynchronised = 4,
    };
    static constexpr int PollInterval = 1000;

    // The configuration log goes to logPath, by default the per-user
    // "velmoraProgrammed.csv".
    StateMachine(Model* tabModel, Model* transportModel, const UpdateImages* images,
        const QString& logPath = DefaultConfigurationLogPath(), QObject* parent = nullptr);
    ~StateMachine() override;

    // Connects the transport of a new connection both ways; the state
    // machine reads its replies until it is deleted.
    void Attach(Transport* transport);
    // The port the updater is to use.
    void SetPortName(const QString& name) { m_portName = name; }
    QString PortName() const { return m_portName; }
    // When on, a port silent at both rates is handed over to be listened to
    // for a boot loader (portFreeForListening) until ResumeConnection().
    void SetListensForBootLoader(bool on) { m_listensForBootLoader = on; }
    // Takes the port back and tests the connection again; listenAgain: a
    // later silence on this connection is listened to once more.
    void ResumeConnection(bool listenAgain);
    // The port is handed over to be listened to; a new connection ends that.
    bool IsListening() const { return m_listening; }
    // Makes the per-user data folder if it is missing.
    static QString DefaultConfigurationLogPath();

    UpdaterLauncher* Updater() const { return m_updater; }
    LogFile* ConfigurationLog() const { return m_log; }
    bool IsConnected() const { return m_connected; }
    bool IsIdle() const { return m_idle; }
    bool IsVoyageRetrieval() const { return m_voyageRetrieval; }
    int DeviceType() const { return m_deviceType; }
    int State(int tab) const;
    QString SerialNumber() const { return m_serialNumber; }
    // The baud type (BaudType's number) of the last connection test.
    int BaudTypeNumber() const { return m_baudType; }

    // The device type that a version text stands for: 0, 1, 2 or 4.
    static int DeviceTypeFor(const QString& version);
    // A failure's text in one line, without the window's promise to reconnect.
    static QString FailureText(const QString& text, const QString& detail);

signals:
    // The port is closed and the connection tests wait: the device answered
    // at neither rate.
    void portFreeForListening(const QString& portName);
    // The device told its version.
    void identified(const QString& version);
    void usePortForSwUpdate(bool close);
    void sm_connected();
    void QueueJob(const QString& name, bool send);
    void UpdateUiControls(bool lost_conneciton);
    void UpdateTabFromTransportModel(int tab);
    void UpdateTransportModelFromTab(int tab);
    void UpdateTabIcon(int tab, int icon);
    void EnableTab(int tab, bool enable);
    void DisplayError(const QString& text, const QString& informativeText);
    void AISType(int type);
    void JobCompleted(const QString& name, bool send);
    void Disconnect(bool error);
    void VoyageLogRequested();
    void readyForConnection();
    void changeOfDevice(bool removed);
    void exportConfigurationLog(const QString& filename);
    void ClearDisplayError();
    void triggerSecurityAccess();
    // The updater runs: no device work and no user input until it ends.
    void updaterRunning(bool running);
    // The settings just written have been read back: empty when the device
    // holds all of them as sent, else each one it does not. sent is what was
    // written, as the device should now hold it.
    void WriteVerified(const Profile& sent, const QList<ProfileComparisonRow>& mismatches);
    // The connection ended after settings were sent and before they were all
    // read back: the device may hold any part of sent. failure says why.
    void WriteUnverified(const Profile& sent, const QString& failure);
    // A write failed after the device's MMSI was erased for a new one.
    void MmsiMayBeLost(const QString& text);

public slots:
    void ConnectErrorMsg(const QString& error);
    void CommandError(const QString& command);
    void JobComplete(const QString& name, bool send);
    void AllJobsComplete();
    void onJobTimeout(bool polling_timeout);
    void Disconnected(bool error);
    void onConnectedSM();
    void testConnection(int baud_type);
    void on_PortForSwUpdateResponse(bool result);
    void Disconnecting(bool error);
    void OnVoyageSyncComplete();
    void Edited(int tab);
    void SendTab(int tab);
    void SendAllTabs();
    void GetTab(int tab);
    void GetAllTabs();
    void OnDeepSleep();
    void OnClearId();
    void OnResetVessel();
    void OnResetConfig();
    void OnClearVoyageLog();
    void on_StartDataRetrieval();
    void on_gnssMessageControl(bool on);
    void on_pollDevice();

private slots:
    void OnUpdaterFinished();

private:
    void RequestJob(const QString& name, bool send);
    void SetState(int tab, int state);
    void MarkBusy(int tab);
    void SetConnectedTabs(int state);
    void RequestControlJobs(bool send);
    bool IsFirstGeneration() const { return m_deviceType == 1 || m_deviceType == 2; }
    QString Reply(const QString& job, int item) const;
    void OnConnectionTestComplete();
    void OnVersionComplete();
    void OnPollComplete();
    void OnSettingJobComplete(const QString& name, bool send);
    void ShowRead(int tab);
    Profile SentProfile() const;
    bool StartVerification();
    void FinishVerification();
    void ReportUnverifiedWrite();
    void Fail(const QString& text, const QString& detail);
    void WarnIfMmsiErased();
    void AppendConfigurationLog();
    void HandPortToUpdater(bool handOver);
    void StartUpdater();
    bool ListenInstead();
    void Idle();

    Model* m_tabModel;
    Model* m_transportModel;
    const UpdateImages* m_images;
    QPointer<Transport> m_transport;
    LogFile* m_log;
    UpdaterLauncher* m_updater;
    QTimer m_pollTimer;
    QVector<int> m_tabStates;
    // Tabs written since the device was last read back, and what they sent.
    QVector<int> m_sentTabs;
    QVector<int> m_readBackTabs;
    Profile m_sent;
    bool m_verifying = false;
    // Why the connection is being ended, for a write it cuts off.
    QString m_failure;
    // Profile settings, by path, written since the last read-back and read
    // since the device was identified.
    QSet<QString> m_writtenSettings;
    QSet<QString> m_readSettings;
    bool m_mmsiErased = false;
    QString m_portName;
    QString m_deviceVersion;
    QString m_imageVersion;
    QString m_imagePath;
    QString m_serialNumber;
    bool m_connected = false;
    bool m_idle = true;
    bool m_voyageRetrieval = false;
    bool m_portHandedOver = false;
    // Each connection hands an outdated device to the updater once.
    bool m_updateTried = false;
    // Connection tests since the updater ended, with no answer yet; -1 when
    // the device has answered since, or no updater ran.
    int m_testsSinceUpdater = -1;
    // Connection tests in a row with no answer; listened for a boot loader
    // after both rates, once per connection unless asked again.
    int m_unansweredTests = 0;
    bool m_listensForBootLoader = false;
    bool m_mayListen = true;
    bool m_listening = false;
    int m_deviceType = 0;
    int m_baudType = 0;
    int m_pollCount = 0;
};

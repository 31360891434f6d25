#pragma once

#include "app/UpdateImages.h"
#include "profile/Profile.h"
#include "profile/ProfileComparison.h"
#include "voyage/VoyageRecord.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

class Model;
class SerialController;
class SerialTransport;
class StateMachine;
class VoyageLogCollector;

// What a device says about itself once connected.
struct DeviceIdentity {
    QString port;
    QString firmware;
    QString serialNumber;
    int generation = 0; // 1, 2 or 4; 0 when the version is not known
    int baudRate = 0; // bits per second
};

// One Identifier on one port, driven without a window: the same transport,
// job table and state machine as the main window's, asked step by step.
// Each step ends in stepDone() or, on any failure, in failed() after which the
// session is closed. Several sessions may run side by side, one per port.
class DeviceSession : public QObject {
    Q_OBJECT

public:
    enum class Step { None, Open, Read, Write, Fetch, Clear };

    // The configuration log gets a row for every configuration written. The
    // session never starts the updater: an outdated device is updated by the
    // caller, once the session has let go of the port.
    DeviceSession(const QString& portName, const QString& logPath, QObject* parent = nullptr);
    ~DeviceSession() override;

    // How long Open() waits for the device to answer.
    void SetConnectTimeout(int ms) { m_connectTimeout.setInterval(ms); }

    void Open();
    // Every setting a profile holds; DeviceProfile() then has them.
    void Read();
    // Writes the profile's settings (its MMSI only when takeMmsi); the state
    // machine reads them back: Mismatches() lists what the device does not hold.
    void Write(const Profile& profile, bool takeMmsi);
    void FetchVoyageLog();
    void ClearVoyageLog();
    void Close();

    const DeviceIdentity& Identity() const { return m_identity; }
    Profile DeviceProfile() const;
    // What the last Write() sent, as the device should now hold it.
    const Profile& Written() const { return m_written; }
    const QList<ProfileComparisonRow>& Mismatches() const { return m_mismatches; }
    const QVector<VoyageRecord>& VoyageRecords() const;
    // The number of records the device said its log holds; -1 when it did not.
    int AnnouncedVoyageRecords() const;
    Step CurrentStep() const { return m_step; }

signals:
    void stepDone(DeviceSession::Step step);
    void failed(DeviceSession::Step step, const QString& message);
    // Something gone wrong that did not end the step (the configuration log
    // not written, the firmware not updated): the step goes on.
    void warning(const QString& message);
    // A write cut off before its read-back: what was sent, and why.
    void writeUnverified(const Profile& sent, const QString& failure);
    // A line the device printed about what it transmits ("Position Message
    // transmitted", its "!AIVDO" sentence, ...).
    void diagnosticLine(const QString& line);

private slots:
    void OnConnected();
    void OnJobsDone();
    void OnDisplayError(const QString& text, const QString& detail);
    void OnDisconnect(bool error);
    void OnConnectTimeout();
    void OnVoyageFinished();
    void OnWriteVerified(const Profile& sent, const QList<ProfileComparisonRow>& mismatches);

private:
    void Begin(Step step);
    void Finish();
    void Fail(const QString& message);
    void WarnHeldError();
    void ReadSettingJobs();
    void EndTransport();

    UpdateImages m_images; // none: the state machine never starts the updater
    Model* m_tabModel;
    Model* m_transportModel;
    SerialController* m_controller;
    StateMachine* m_machine;
    VoyageLogCollector* m_voyage;
    QPointer<SerialTransport> m_transport;
    QTimer m_connectTimeout;
    DeviceIdentity m_identity;
    Step m_step = Step::None;
    bool m_versionAsked = false;
    bool m_passwordTried = false;
    QString m_error;
    QString m_mmsiWarning;
    Profile m_written;
    QList<ProfileComparisonRow> m_mismatches;
};

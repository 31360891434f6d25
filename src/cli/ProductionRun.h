#pragma once

#include "app/UpdateImages.h"
#include "cli/CliOptions.h"
#include "cli/ProgrammingRecorder.h"
#include "cUpdateRun.h"
#include "production/MmsiSource.h"
#include "profile/Profile.h"
#include "session/DeviceSession.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <memory>

class CliOutput;
class UpdateCheck;

// Production: every Identifier that appears on a watched port gets the next
// free MMSI of the source and the profile's settings, verified by reading
// back, with one line of result. Any number of ports run at once. A port
// whose device is finished takes a new device only once it has gone away
// (unplugged), so a device is never programmed twice in one sitting. A device
// is written only once the source has recorded its MMSI as the device's.
class ProductionRun : public QObject {
    Q_OBJECT

public:
    ProductionRun(const CliOptions& options, CliOutput& output, QObject* parent = nullptr);
    ~ProductionRun() override;

    // Reads the profile and the list, then watches the ports; finished()
    // follows once no MMSI is free, or after Cancel().
    void Start();
    // Ctrl-C: no new device is taken; a write under way is finished, and a
    // device not yet being written is let go unwritten.
    void Cancel();

signals:
    void finished(int exitCode);

private:
    struct Slot {
        DeviceSession* session = nullptr; // null once the device is finished
        QElapsedTimer clock;
        QString mmsi; // claimed for this device
        cUpdateRun* update = nullptr; // while its firmware is updated
        bool updated = false; // the firmware update was sent
    };

    bool Prepare();
    bool OpenSource(QString* error);
    void Scan();
    QStringList PresentPorts() const;
    void Begin(const QString& port);
    void OnStepDone(const QString& port, DeviceSession::Step step);
    void AfterOpen(const QString& port, Slot& slot);
    void AfterRead(const QString& port, Slot& slot);
    void Claimed(const QString& port, Slot& slot, const MmsiClaim& claim);
    void AfterWrite(Slot& slot);
    bool IsOutdated(const DeviceIdentity& device) const;
    void Update(const QString& port, Slot& slot, const QString& image);
    void AfterUpdate(const QString& port, cUpdateRun::Outcome outcome);
    QString OutdatedMessage(const QString& firmware, const UpdateCheck& check) const;
    Profile ProfileFor(const MmsiClaim& claim) const;
    void Report(Slot& slot, const QString& result, CliExit code, const QString& message = QString(),
        const QString& certificate = QString());
    void Worsen(CliExit code);
    bool NoneFree();
    int BusyCount() const;
    void EndIfDone();
    void ReportUnfinished();

    const CliOptions& m_options;
    CliOutput& m_output;
    ProgrammingRecorder m_recorder;
    UpdateImages m_images;
    Profile m_profile;
    std::unique_ptr<MmsiSource> m_source;
    QStringList m_leftovers; // reserved and not finished when the run began
    QMap<QString, QString> m_taken; // MMSIs this run reserved, by serial number, until verified
    QTimer m_scan;
    QMap<QString, Slot> m_slots;
    CliExit m_worst = CliExit::Done;
    CliExit m_sourceFailure = CliExit::FileError; // when the source cannot be read or written
    bool m_stopping = false;
    bool m_cancelled = false;
    bool m_ended = false;
};

#pragma once

#include "app/UpdateImages.h"
#include "cli/CliOptions.h"
#include "cli/ProgrammingRecorder.h"
#include "production/MmsiList.h"
#include "profile/Profile.h"
#include "session/DeviceSession.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QTimer>

class CliOutput;

// Production: every Identifier that appears on a watched port gets the next
// unused MMSI of the list and the profile's settings, verified by reading
// back, with one line of result. Any number of ports run at once. A port
// whose device is finished takes a new device only once it has gone away
// (unplugged), so a device is never programmed twice in one sitting.
class ProductionRun : public QObject {
    Q_OBJECT

public:
    ProductionRun(const CliOptions& options, CliOutput& output, QObject* parent = nullptr);
    ~ProductionRun() override;

    // Reads the profile and the list, then watches the ports; finished()
    // follows once the list is used up, or after Cancel().
    void Start();
    // Ctrl-C: no new device is taken; those under way are finished.
    void Cancel();

signals:
    void finished(int exitCode);

private:
    struct Slot {
        DeviceSession* session = nullptr; // null once the device is finished
        QElapsedTimer clock;
        int row = -1;
    };

    bool Prepare();
    QString ListProblems() const;
    void Scan();
    QStringList PresentPorts() const;
    void Begin(const QString& port);
    void OnStepDone(const QString& port, DeviceSession::Step step);
    void AfterOpen(const QString& port, Slot& slot);
    void AfterRead(const QString& port, Slot& slot);
    void AfterWrite(Slot& slot);
    bool IsOutdated(const DeviceIdentity& device) const;
    Profile ProfileFor(int row) const;
    void Report(Slot& slot, const QString& result, CliExit code, const QString& message = QString(),
        const QString& certificate = QString());
    int BusyCount() const;
    void EndIfDone();

    const CliOptions& m_options;
    CliOutput& m_output;
    ProgrammingRecorder m_recorder;
    UpdateImages m_images;
    Profile m_profile;
    MmsiList m_list;
    QTimer m_scan;
    QMap<QString, Slot> m_slots;
    CliExit m_worst = CliExit::Done;
    bool m_stopping = false;
    bool m_ended = false;
};

#pragma once

#include "app/UpdateImages.h"
#include "cUpdateRun.h"
#include "cli/CliOptions.h"

#include <QObject>

#include <memory>
#include <vector>

class CliOutput;
class DeviceSession;
class cBootLoaderEntry;

// update: the firmware of each device named, all at once. A device is read
// for its family and firmware, its image checked before the reset, sent as
// the updater sends it, and the device read again for the version it now
// runs. A silent device that is heard waiting in its boot loader is sent the
// image named by --image.
class UpdateCommand : public QObject {
    Q_OBJECT

public:
    UpdateCommand(const CliOptions& options, CliOutput& output, QObject* parent = nullptr);
    ~UpdateCommand() override;

    // Why an update that did not complete failed, and the exit code for it.
    static QString FailureText(cUpdateRun::Outcome outcome, CliExit* code);

    void Start();
    // Ctrl-C: devices not yet reset are left alone; a transfer under way is
    // finished, since one cut short leaves the device in its boot loader.
    void Cancel();

signals:
    void finished(int exitCode);

private:
    struct Device {
        QString port;
        QString serialNumber;
        QString before; // the firmware before the update; empty for a boot loader
        QString image;
        DeviceSession* session = nullptr;
        std::unique_ptr<cBootLoaderEntry> listener;
        std::unique_ptr<cUpdateRun> run;
        int percentShown = 0;
        bool sent = false;
        bool done = false;
    };

    QStringList Ports();
    void Connect(Device& device);
    void OnOpened(Device& device);
    void OnSilent(Device& device, const QString& message);
    void OnListened(Device& device);
    void CheckAndSend(Device& device, const QString& deviceVersion, qint32 baudRate);
    void Send(Device& device, qint32 baudRate);
    void OnProgress(Device& device, int percent);
    void OnSent(Device& device, cUpdateRun::Outcome outcome);
    void ReadBack(Device& device, const QString& firmware);
    QString ImageFor(const QString& firmware, QString* problem) const;
    void EndSession(Device& device);
    void Report(Device& device, const QString& result, CliExit code, const QString& message);
    void EndIfDone();

    const CliOptions& m_options;
    CliOutput& m_output;
    UpdateImages m_images;
    std::vector<std::unique_ptr<Device>> m_devices;
    CliExit m_worst = CliExit::Done;
    bool m_ended = false;
};

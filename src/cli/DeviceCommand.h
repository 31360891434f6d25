#pragma once

#include "ais/AisDecoder.h"
#include "app/UpdateImages.h"
#include "cli/CliOptions.h"
#include "cli/ProgrammingRecorder.h"
#include "profile/Profile.h"
#include "session/DeviceSession.h"

#include <QObject>

#include <memory>

class CliOutput;

// One of the commands on a single device: info, read, write, voyage or
// monitor. It
// finds the port, runs the session's steps in order and reports the outcome.
class DeviceCommand : public QObject {
    Q_OBJECT

public:
    DeviceCommand(const CliOptions& options, CliOutput& output, QObject* parent = nullptr);

    // Starts the command; finished() follows, also when it fails at once.
    void Start();
    // Ctrl-C: a write or a clear under way is finished first, so the device
    // is never left half written.
    void Cancel();

signals:
    void finished(int exitCode);

private slots:
    void OnStepDone(DeviceSession::Step step);
    void OnFailed(DeviceSession::Step step, const QString& message);

private:
    bool Prepare();
    QString FindPort();
    void AfterRead();
    void ReportIdentity();
    void SaveProfile();
    void ReportWrite();
    void ExportVoyageLog();
    void ReportVoyageLog(bool cleared);
    void Listen();
    void OnDiagnosticLine(const QString& line);
    void End(int exitCode);
    void Fail(CliExit code, const QString& message);

    const CliOptions& m_options;
    CliOutput& m_output;
    std::unique_ptr<ProgrammingRecorder> m_recorder; // for writes only
    DeviceSession* m_session = nullptr;
    Profile m_profile;
    AisDecoder m_decoder; // monitor only
    bool m_listening = false;
    bool m_cancelled = false;
    bool m_ended = false;
};

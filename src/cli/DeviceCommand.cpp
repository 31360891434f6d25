#include "cli/DeviceCommand.h"

#include "broadcast/BroadcastComparison.h"
#include "cli/CliOutput.h"
#include "cli/CliProfile.h"
#include "control/StateMachine.h"
#include "link/SerialController.h"
#include "voyage/VoyageLogExport.h"

#include <QDir>
#include <QJsonArray>
#include <QTimer>

namespace {

QJsonObject Fields(const QString& command, const DeviceIdentity& device)
{
    return { { QStringLiteral("command"), command }, { QStringLiteral("port"), device.port },
        { QStringLiteral("serialNumber"), device.serialNumber }, { QStringLiteral("result"), QStringLiteral("done") } };
}

} // namespace

DeviceCommand::DeviceCommand(const CliOptions& options, CliOutput& output, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_output(output)
{
    if (options.command() == CliOptions::Command::Write) {
        m_recorder = std::make_unique<ProgrammingRecorder>(options.certificateFolder(), output);
    }
}

void DeviceCommand::Start()
{
    if (!Prepare()) {
        return;
    }
    const QString port = FindPort();
    if (port.isEmpty()) {
        return;
    }
    m_session = new DeviceSession(port, StateMachine::DefaultConfigurationLogPath(), this);
    m_session->SetConnectTimeout(m_options.timeoutSeconds() * 1000);
    connect(m_session, &DeviceSession::stepDone, this, &DeviceCommand::OnStepDone);
    connect(m_session, &DeviceSession::failed, this, &DeviceCommand::OnFailed);
    connect(m_session, &DeviceSession::warning, this,
        [this](const QString& message) { m_output.Warning(message); });
    if (m_recorder) {
        connect(m_session, &DeviceSession::writeUnverified, this,
            [this](const Profile& sent, const QString& failure) {
                m_recorder->RecordUnverified(sent, failure);
            });
    }
    m_output.Progress(tr("Connecting to the Identifier on %1...").arg(port));
    m_session->Open();
}

void DeviceCommand::Cancel()
{
    m_cancelled = true;
    // Listening has no end of its own: Ctrl-C is how it is ended.
    if (m_listening) {
        End(0);
        return;
    }
    if (!m_session) {
        return;
    }
    const DeviceSession::Step step = m_session->CurrentStep();
    if (step != DeviceSession::Step::Write && step != DeviceSession::Step::Clear) {
        m_session->Close();
        Fail(CliExit::Cancelled, tr("Cancelled."));
    }
}

// Everything that can be checked before the device is asked: a profile that
// cannot be written must not cost a connection.
bool DeviceCommand::Prepare()
{
    if (m_options.command() != CliOptions::Command::Write) {
        return true;
    }
    const ProfileReadResult read = CliProfile::Read(m_options.profile());
    if (!read.ok) {
        Fail(CliExit::FileError, read.problems.join(QStringLiteral("\n")));
        return false;
    }
    QString error;
    if (!m_recorder->CertificateFolderUsable(&error)) {
        Fail(CliExit::FileError, error);
        return false;
    }
    for (const QString& warning : read.warnings) {
        m_output.Warning(tr("Not offered by the window, written as it is: %1").arg(warning));
    }
    m_profile = read.profile;
    if (!m_options.mmsi().isEmpty()) {
        m_profile.mmsi().setText(m_options.mmsi());
    }
    if (m_options.hasName()) {
        m_profile.staticData().setVesselName(m_options.name());
    }
    if (m_options.hasCallSign()) {
        m_profile.staticData().setCallSign(m_options.callSign());
    }
    return true;
}

QString DeviceCommand::FindPort()
{
    const QStringList given = m_options.ports();
    if (!given.isEmpty()) {
        if (!SerialController::ExistingPorts(given).isEmpty()) {
            return given.first();
        }
        Fail(CliExit::NoDevice, tr("There is no port %1.").arg(given.first()));
        return QString();
    }
    const QString found = SerialController::FindDevicePort(m_options.vendorId(), m_options.productId());
    if (found.isEmpty()) {
        Fail(CliExit::NoDevice,
            tr("No Identifier found. Check the USB cable, or name the port with --port."));
    }
    return found;
}

void DeviceCommand::OnStepDone(DeviceSession::Step step)
{
    // A write or a clear that was let finish is the command's last step: its
    // outcome is reported as it is.
    const bool lastStep = step == DeviceSession::Step::Write || step == DeviceSession::Step::Clear;
    if (m_cancelled && !lastStep) {
        m_session->Close();
        Fail(CliExit::Cancelled, tr("Cancelled."));
        return;
    }
    switch (step) {
    case DeviceSession::Step::Open:
        if (m_options.command() == CliOptions::Command::Monitor) {
            Listen();
        } else if (m_options.command() == CliOptions::Command::Voyage) {
            m_output.Progress(tr("Fetching the voyage log..."));
            m_session->FetchVoyageLog();
        } else {
            m_output.Progress(tr("Reading the settings..."));
            m_session->Read();
        }
        break;
    case DeviceSession::Step::Read:
        AfterRead();
        break;
    case DeviceSession::Step::Write:
        ReportWrite();
        break;
    case DeviceSession::Step::Fetch:
        ExportVoyageLog();
        break;
    case DeviceSession::Step::Clear:
        ReportVoyageLog(true);
        break;
    default:
        break;
    }
}

void DeviceCommand::OnFailed(DeviceSession::Step, const QString& message)
{
    Fail(CliExit::Communication, message);
}

void DeviceCommand::AfterRead()
{
    switch (m_options.command()) {
    case CliOptions::Command::Info:
        ReportIdentity();
        break;
    case CliOptions::Command::Read:
        SaveProfile();
        break;
    default:
        m_output.Progress(tr("Writing and reading back..."));
        m_session->Write(m_profile, !m_options.mmsi().isEmpty());
        break;
    }
}

void DeviceCommand::ReportIdentity()
{
    const DeviceIdentity& device = m_session->Identity();
    const Profile held = m_session->DeviceProfile();
    QJsonObject fields = Fields(QStringLiteral("info"), device);
    fields.insert(QStringLiteral("firmware"), device.firmware);
    fields.insert(QStringLiteral("mmsi"), held.Mmsi());
    fields.insert(QStringLiteral("generation"), device.generation);
    m_output.Result(fields,
        tr("Port:          %1\nFirmware:      %2\nSerial number: %3\nMMSI:          %4\nGeneration:    %5")
            .arg(device.port, device.firmware, device.serialNumber, held.Mmsi())
            .arg(device.generation));
    End(0);
}

void DeviceCommand::SaveProfile()
{
    QString error;
    if (!ProfileFile::Write(m_session->DeviceProfile(), m_options.output(), &error)) {
        Fail(CliExit::FileError, error);
        return;
    }
    QJsonObject fields = Fields(QStringLiteral("read"), m_session->Identity());
    fields.insert(QStringLiteral("file"), m_options.output());
    m_output.Result(fields,
        tr("The settings of %1 are in %2.")
            .arg(m_session->Identity().serialNumber, QDir::toNativeSeparators(m_options.output())));
    End(0);
}

void DeviceCommand::ReportWrite()
{
    const QList<ProfileComparisonRow>& mismatches = m_session->Mismatches();
    QJsonObject fields = Fields(QStringLiteral("write"), m_session->Identity());
    fields.insert(QStringLiteral("mmsi"), m_session->DeviceProfile().Mmsi());
    const QStringList skipped = m_profile.SkippedFor(m_session->Identity().generation);
    QString skippedLine;
    if (!skipped.isEmpty()) {
        fields.insert(QStringLiteral("skipped"), QJsonArray::fromStringList(skipped));
        skippedLine = QLatin1Char('\n')
            + tr("Not on this device, not written: %1").arg(skipped.join(QStringLiteral(", ")));
    }
    QString certificate;
    QString error;
    const bool recorded = m_recorder->Record(m_session->Written(), mismatches.isEmpty(), &certificate, &error);
    if (mismatches.isEmpty()) {
        QString text = tr("Written and verified on %1.").arg(m_session->Identity().serialNumber);
        if (!certificate.isEmpty()) {
            fields.insert(QStringLiteral("certificate"), certificate);
            text += QLatin1Char('\n') + tr("Certificate: %1").arg(QDir::toNativeSeparators(certificate));
        }
        m_output.Result(fields, text + skippedLine);
        recorded ? End(0) : Fail(CliExit::FileError, error);
        return;
    }
    QJsonArray rows;
    QStringList lines;
    for (const ProfileComparisonRow& row : mismatches) {
        rows.append(QJsonObject { { QStringLiteral("setting"), row.setting },
            { QStringLiteral("sent"), row.profileValue }, { QStringLiteral("held"), row.deviceValue } });
        lines << tr("%1: sent \"%2\", the device holds \"%3\"").arg(row.setting, row.profileValue, row.deviceValue);
    }
    fields.insert(QStringLiteral("result"), QStringLiteral("mismatch"));
    fields.insert(QStringLiteral("mismatches"), rows);
    m_output.Result(fields, lines.join(QLatin1Char('\n')) + skippedLine);
    Fail(CliExit::Mismatch, tr("The device does not hold %n of the settings written.", nullptr, mismatches.size()));
}

void DeviceCommand::ExportVoyageLog()
{
    const QString file = m_options.output();
    const bool kml = file.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive);
    const QVector<VoyageRecord>& records = m_session->VoyageRecords();
    const int announced = m_session->AnnouncedVoyageRecords();
    // Part of the log is no copy of it: nothing is written, nothing cleared.
    if (announced < 0 || records.size() < announced) {
        Fail(CliExit::Communication,
            announced < 0
                ? tr("The device did not say how many records its voyage log holds; nothing was written "
                     "and the device keeps its log.")
                : tr("Only %1 of the %2 records of the device's voyage log arrived; nothing was written "
                     "and the device keeps its log. Try again.")
                      .arg(records.size())
                      .arg(announced));
        return;
    }
    const bool written = kml ? VoyageLogExport::writeKml(file, records)
                             : VoyageLogExport::writeCsv(file, VoyageLogExport::csvHeaders(), records);
    if (!written) {
        // The device's log is the only copy: it is not cleared.
        Fail(CliExit::FileError, tr("%1 could not be written.").arg(QDir::toNativeSeparators(file)));
        return;
    }
    if (!m_options.clear()) {
        ReportVoyageLog(false);
        return;
    }
    m_output.Progress(tr("Clearing the device's voyage log..."));
    m_session->ClearVoyageLog();
}

void DeviceCommand::ReportVoyageLog(bool cleared)
{
    QJsonObject fields = Fields(QStringLiteral("voyage"), m_session->Identity());
    const int count = m_session->VoyageRecords().size();
    fields.insert(QStringLiteral("file"), m_options.output());
    fields.insert(QStringLiteral("records"), count);
    fields.insert(QStringLiteral("cleared"), cleared);
    QString text = tr("%n record(s) written to %1.", nullptr, count).arg(QDir::toNativeSeparators(m_options.output()));
    if (cleared) {
        text += QLatin1Char('\n') + tr("The device's voyage log is cleared.");
    }
    m_output.Result(fields, text);
    End(0);
}

void DeviceCommand::Listen()
{
    m_listening = true;
    connect(m_session, &DeviceSession::diagnosticLine, this, &DeviceCommand::OnDiagnosticLine);
    if (m_options.seconds() > 0) {
        m_output.Progress(
            tr("Listening to the Identifier's broadcasts for %n s...", nullptr, m_options.seconds()));
        QTimer::singleShot(m_options.seconds() * 1000, this, [this] { End(0); });
    } else {
        m_output.Progress(tr("Listening to the Identifier's broadcasts until Ctrl-C..."));
    }
}

void DeviceCommand::OnDiagnosticLine(const QString& line)
{
    if (const std::optional<AisMessage> message = m_decoder.Add(line.toLatin1())) {
        m_output.Result(message->ToJson(), BroadcastComparison::Line(*message));
    }
}

void DeviceCommand::End(int exitCode)
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    if (m_session) {
        m_session->Close();
    }
    // Out of the session's signal, so it may be deleted with this command.
    QTimer::singleShot(0, this, [this, exitCode] { emit finished(exitCode); });
}

void DeviceCommand::Fail(CliExit code, const QString& message)
{
    if (!m_ended) {
        End(m_output.Failure(code, message));
    }
}

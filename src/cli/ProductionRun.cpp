#include "cli/ProductionRun.h"

#include "cli/CliOutput.h"
#include "cli/CliProfile.h"
#include "cli/UpdateCommand.h"
#include "control/StateMachine.h"
#include "control/UpdateCheck.h"
#include "link/PortWatcher.h"
#include "link/SerialController.h"
#include "production/MmsiList.h"
#include "production/MmsiPool.h"

#include <QJsonArray>
#include <QJsonObject>

ProductionRun::ProductionRun(const CliOptions& options, CliOutput& output, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_output(output)
    , m_recorder(options.certificateFolder(), output)
{
    m_scan.setInterval(PortWatcher::CheckInterval);
    connect(&m_scan, &QTimer::timeout, this, &ProductionRun::Scan);
}

ProductionRun::~ProductionRun() = default;

void ProductionRun::Start()
{
    if (!Prepare()) {
        return;
    }
    QString error;
    const int free = m_source->FreeCount(&error);
    m_leftovers = m_source->Unfinished(&error);
    m_output.Progress(tr("%n unused MMSI(s) left. Plug in the Identifiers; Ctrl-C stops.", nullptr, free));
    m_scan.start();
    // Devices already on a port are taken even when no MMSI is free: one of
    // them may be a device whose reserved MMSI it has not yet been given.
    Scan();
    m_stopping = m_stopping || free <= 0;
    EndIfDone();
}

void ProductionRun::Cancel()
{
    m_cancelled = true;
    if (!m_stopping) {
        m_output.Progress(tr("Stopping once the devices under way are finished..."));
    }
    m_stopping = true;
    m_scan.stop();
    EndIfDone();
}

bool ProductionRun::Prepare()
{
    const ProfileReadResult read = CliProfile::Read(m_options.profile());
    QString error;
    CliExit failure = CliExit::FileError;
    if (!read.ok) {
        error = read.problems.join(QLatin1Char('\n'));
    } else if (!OpenSource(&error)) {
        failure = m_sourceFailure;
    } else {
        m_recorder.CertificateFolderUsable(&error);
    }
    if (!error.isEmpty()) {
        m_ended = true;
        const int code = m_output.Failure(failure, error);
        QTimer::singleShot(0, this, [this, code] { emit finished(code); });
        return false;
    }
    for (const QString& warning : read.warnings) {
        m_output.Warning(tr("Not offered by the window, written as it is: %1").arg(warning));
    }
    m_profile = read.profile;
    m_images.Scan(UpdateImages::DefaultFolders());
    return true;
}

// The list file, or the pool of several stations, whose server must answer
// before the first device is taken.
bool ProductionRun::OpenSource(QString* error)
{
    if (m_options.pool().isEmpty()) {
        auto list = std::make_unique<MmsiList>();
        if (!MmsiList::Load(m_options.mmsiList(), list.get(), error)) {
            *error = error->isEmpty() ? tr("The MMSI list could not be read.") : *error;
            return false;
        }
        m_source = std::move(list);
        return true;
    }
    m_sourceFailure = CliExit::Pool;
    auto pool = std::make_unique<MmsiPool>(m_options.pool(), m_options.station().trimmed());
    if (pool->FreeCount(error) < 0) {
        return false;
    }
    m_recorder.AlsoRecordIn(pool.get());
    m_source = std::move(pool);
    return true;
}

void ProductionRun::Scan()
{
    const QStringList present = PresentPorts();
    for (auto it = m_slots.begin(); it != m_slots.end();) {
        // A finished device that has gone frees its port for the next one.
        const bool gone = !it->session && !present.contains(it.key());
        it = gone ? m_slots.erase(it) : std::next(it);
    }
    for (const QString& port : present) {
        if (!m_slots.contains(port) && !m_stopping) {
            Begin(port);
        }
    }
}

QStringList ProductionRun::PresentPorts() const
{
    const QStringList given = m_options.ports();
    if (!given.isEmpty()) {
        return SerialController::ExistingPorts(given);
    }
    QStringList present;
    for (const PortRecord& record : SerialController::PortRecords()) {
        if (SerialController::IsDevicePort(record, m_options.vendorId(), m_options.productId())) {
            present << record.portName;
        }
    }
    return present;
}

void ProductionRun::Begin(const QString& port)
{
    Slot& slot = m_slots[port];
    slot.clock.start();
    // An outdated device is updated here, as "update" does, not by the
    // session's state machine, which would start the updater's window.
    slot.session = new DeviceSession(port, StateMachine::DefaultConfigurationLogPath(), this);
    slot.session->SetConnectTimeout(m_options.timeoutSeconds() * 1000);
    connect(slot.session, &DeviceSession::stepDone, this,
        [this, port](DeviceSession::Step step) { OnStepDone(port, step); });
    connect(slot.session, &DeviceSession::failed, this, [this, port](DeviceSession::Step, const QString& message) {
        Report(m_slots[port], QStringLiteral("failed"), CliExit::Communication, message);
    });
    connect(slot.session, &DeviceSession::writeUnverified, this,
        [this](const Profile& sent, const QString& failure) { m_recorder.RecordUnverified(sent, failure); });
    connect(slot.session, &DeviceSession::warning, this,
        [this, port](const QString& message) { m_output.Warning(port + QStringLiteral(": ") + message); });
    m_output.Progress(tr("%1: connecting...").arg(port));
    slot.session->Open();
}

void ProductionRun::OnStepDone(const QString& port, DeviceSession::Step step)
{
    Slot& slot = m_slots[port];
    if (m_cancelled && step != DeviceSession::Step::Write) {
        Report(slot, QStringLiteral("cancelled"), CliExit::Cancelled, tr("stopped before writing"));
        return;
    }
    switch (step) {
    case DeviceSession::Step::Open:
        AfterOpen(port, slot);
        break;
    case DeviceSession::Step::Read:
        AfterRead(port, slot);
        break;
    case DeviceSession::Step::Write:
        AfterWrite(slot);
        break;
    default:
        break;
    }
}

void ProductionRun::AfterOpen(const QString& port, Slot& slot)
{
    const QString firmware = slot.session->Identity().firmware;
    if (!IsOutdated(slot.session->Identity())) {
        m_output.Progress(tr("%1: reading %2...").arg(port, slot.session->Identity().serialNumber));
        slot.session->Read();
        return;
    }
    if (!m_options.update()) {
        Report(slot, QStringLiteral("outdated"), CliExit::Done,
            tr("firmware %1 is older than the image beside the program; --update updates it first").arg(firmware));
        return;
    }
    const QString image = m_images.Newest(firmware.startsWith(QLatin1String("16"))).path;
    const UpdateCheck check(image, firmware);
    if (!slot.updated && check.Result() == UpdateCheck::Verdict::Go) {
        Update(port, slot, image);
        return;
    }
    Report(slot, QStringLiteral("outdated"), CliExit::Done, OutdatedMessage(firmware, check));
}

// The session lets go of the port for the update and opens it again after.
void ProductionRun::Update(const QString& port, Slot& slot, const QString& image)
{
    slot.session->Close();
    slot.updated = true;
    m_output.Progress(tr("%1: updating the firmware...").arg(port));
    slot.update = new cUpdateRun(port, image, slot.session->Identity().baudRate, cUpdateTiming(), this);
    connect(slot.update, &cUpdateRun::finished, this,
        [this, port](cUpdateRun::Outcome outcome) { AfterUpdate(port, outcome); });
    slot.update->start();
}

void ProductionRun::AfterUpdate(const QString& port, cUpdateRun::Outcome outcome)
{
    Slot& slot = m_slots[port];
    slot.update->deleteLater();
    slot.update = nullptr;
    if (outcome != cUpdateRun::Outcome::Complete) {
        CliExit code = CliExit::Communication;
        const QString text = UpdateCommand::FailureText(outcome, &code);
        Report(slot, QStringLiteral("failed"), code, text);
        return;
    }
    m_output.Progress(tr("%1: update ended.").arg(port));
    slot.session->Open();
}

void ProductionRun::AfterRead(const QString& port, Slot& slot)
{
    const QString serial = slot.session->Identity().serialNumber;
    // Without a serial number the list could not tell this device again.
    if (serial.isEmpty()) {
        Report(slot, QStringLiteral("failed"), CliExit::Communication, tr("the device gave no serial number"));
        return;
    }
    // The source has made the claim durable before it answers, so that a run
    // cut short never gives the MMSI to a second device.
    const QString held = slot.session->DeviceProfile().Mmsi();
    MmsiClaim claim = m_source->Claim(serial, held);
    // "already programmed" is said only of a device that holds its MMSI.
    if (claim.kind == MmsiClaim::Kind::AlreadyProgrammed && held != claim.mmsi) {
        claim.kind = MmsiClaim::Kind::Refused;
        claim.error = tr("this device was given the MMSI %1, but it holds %2").arg(claim.mmsi, held);
    }
    slot.mmsi = claim.kind == MmsiClaim::Kind::Refused ? held : claim.mmsi;
    Claimed(port, slot, claim);
}

void ProductionRun::Claimed(const QString& port, Slot& slot, const MmsiClaim& claim)
{
    switch (claim.kind) {
    case MmsiClaim::Kind::AlreadyProgrammed:
        Report(slot, QStringLiteral("already programmed"), CliExit::Done);
        return;
    case MmsiClaim::Kind::FoundOnDevice:
        Report(slot, QStringLiteral("found on the device"), CliExit::Done);
        return;
    case MmsiClaim::Kind::Refused:
        Report(slot, QStringLiteral("holds another MMSI"), CliExit::Mismatch, claim.error);
        return;
    case MmsiClaim::Kind::Exhausted:
        Report(slot, QStringLiteral("no unused MMSI left"), CliExit::Done);
        return;
    case MmsiClaim::Kind::Failed:
        m_stopping = true;
        Report(slot, QStringLiteral("failed"), m_sourceFailure, claim.error);
        return;
    case MmsiClaim::Kind::Take:
        m_taken.insert(slot.session->Identity().serialNumber, claim.mmsi);
        break;
    case MmsiClaim::Kind::Resume:
        break;
    }
    m_output.Progress(tr("%1: writing MMSI %2...").arg(port, claim.mmsi));
    slot.session->Write(ProfileFor(claim), true);
}

void ProductionRun::AfterWrite(Slot& slot)
{
    const QList<ProfileComparisonRow>& mismatches = slot.session->Mismatches();
    const bool verified = mismatches.isEmpty();
    QString certificate;
    QString certificateError;
    const bool recorded
        = m_recorder.Record(slot.session->Written(), verified, &certificate, &certificateError);
    const QString serial = slot.session->Identity().serialNumber;
    QString error;
    if (!m_source->Finish(serial, verified, &error)) {
        m_stopping = true;
        const QString written = verified
            ? tr("the device holds MMSI %1, verified, but this could not be recorded: %2")
            : tr("MMSI %1 was written and not verified, and this could not be recorded: %2");
        Report(slot, QStringLiteral("not recorded"), m_sourceFailure, written.arg(slot.mmsi, error));
        return;
    }
    if (!verified) {
        QStringList settings;
        for (const ProfileComparisonRow& row : mismatches) {
            settings << tr("%1: sent \"%2\", the device holds \"%3\"").arg(row.setting, row.profileValue, row.deviceValue);
        }
        Report(slot, QStringLiteral("mismatch"), CliExit::Mismatch, settings.join(QStringLiteral("; ")));
        return;
    }
    m_taken.remove(serial);
    if (!recorded) {
        Report(slot, QStringLiteral("programmed"), CliExit::FileError, certificateError);
        return;
    }
    Report(slot, QStringLiteral("programmed"), CliExit::Done, QString(), certificate);
}

bool ProductionRun::IsOutdated(const DeviceIdentity& device) const
{
    const UpdateImages::Image& image = m_images.Newest(device.firmware.startsWith(QLatin1String("16")));
    return image.present && device.firmware < image.version;
}

QString ProductionRun::OutdatedMessage(const QString& firmware, const UpdateCheck& check) const
{
    if (check.Result() == UpdateCheck::Verdict::Refused) {
        return tr("firmware %1 is older than the image beside the program, which was not sent: %2")
            .arg(firmware, check.Reason());
    }
    return tr("firmware %1 is still older than the image beside the program: the update did not take")
        .arg(firmware);
}

// The list's name and call sign, where it has them, stand in for the profile's.
Profile ProductionRun::ProfileFor(const MmsiClaim& claim) const
{
    Profile profile = m_profile;
    profile.mmsi().setText(claim.mmsi);
    if (!claim.vesselName.isEmpty()) {
        profile.staticData().setVesselName(claim.vesselName.toUpper());
    }
    if (!claim.callSign.isEmpty()) {
        profile.staticData().setCallSign(claim.callSign.toUpper());
    }
    return profile;
}

void ProductionRun::Report(
    Slot& slot, const QString& result, CliExit code, const QString& message, const QString& certificate)
{
    DeviceSession* session = slot.session;
    if (!session) {
        return;
    }
    slot.session = nullptr;
    const DeviceIdentity& device = session->Identity();
    const QString mmsi = !slot.mmsi.isEmpty() && code != CliExit::Communication
        ? slot.mmsi
        : session->DeviceProfile().Mmsi();
    const double seconds = slot.clock.elapsed() / 1000.0;
    QJsonObject fields { { QStringLiteral("port"), device.port }, { QStringLiteral("serialNumber"), device.serialNumber },
        { QStringLiteral("mmsi"), mmsi }, { QStringLiteral("result"), result },
        { QStringLiteral("seconds"), qRound(seconds * 10) / 10.0 } };
    QString text = QStringLiteral("%1\t%2\t%3\t%4\t%5 s")
                       .arg(device.port, device.serialNumber.isEmpty() ? QStringLiteral("-") : device.serialNumber,
                           mmsi.isEmpty() ? QStringLiteral("-") : mmsi, result)
                       .arg(seconds, 0, 'f', 1);
    if (!message.isEmpty()) {
        fields.insert(QStringLiteral("message"), message);
        text += QStringLiteral("\t") + message;
    }
    if (!certificate.isEmpty()) {
        fields.insert(QStringLiteral("certificate"), certificate);
        text += QStringLiteral("\t") + certificate;
    }
    m_output.Result(fields, text);
    Worsen(code);
    session->Close();
    session->deleteLater();
    m_stopping = m_stopping || NoneFree();
    EndIfDone();
}

void ProductionRun::Worsen(CliExit code)
{
    if (static_cast<int>(code) > static_cast<int>(m_worst)) {
        m_worst = code;
    }
}

// A source that cannot be read has nothing to give either.
bool ProductionRun::NoneFree()
{
    QString error;
    const int free = m_source->FreeCount(&error);
    if (free < 0) {
        Worsen(m_sourceFailure);
        m_output.Warning(error);
    }
    return free <= 0;
}

int ProductionRun::BusyCount() const
{
    int busy = 0;
    for (const Slot& slot : m_slots) {
        busy += slot.session ? 1 : 0;
    }
    return busy;
}

void ProductionRun::EndIfDone()
{
    if (m_ended || BusyCount() > 0 || !m_stopping) {
        return;
    }
    m_ended = true;
    m_scan.stop();
    ReportUnfinished();
    int code = static_cast<int>(m_worst);
    if (m_worst == CliExit::Done && !NoneFree()) {
        code = static_cast<int>(CliExit::Cancelled);
    } else if (m_worst == CliExit::Done) {
        m_output.Progress(tr("Every MMSI is given out."));
    }
    QTimer::singleShot(0, this, [this, code] { emit finished(code); });
}

// The reservations this run is answerable for: those it made, and those an
// earlier run left. Another run's reservations under way are its own.
void ProductionRun::ReportUnfinished()
{
    QString error;
    QStringList unfinished;
    for (const QString& line : m_source->Unfinished(&error)) {
        if (m_leftovers.contains(line)) {
            unfinished << line;
        }
    }
    if (!error.isEmpty()) {
        Worsen(m_sourceFailure);
        m_output.Warning(error);
    }
    for (auto it = m_taken.cbegin(); it != m_taken.cend(); ++it) {
        unfinished << tr("MMSI %1, serial number %2").arg(it.value(), it.key());
    }
    if (unfinished.isEmpty()) {
        return;
    }
    Worsen(CliExit::Mismatch);
    m_output.Warning(tr("Reserved and not verified (plug the device in and run again to write it again):"));
    for (const QString& line : unfinished) {
        m_output.Warning(QStringLiteral("  ") + line);
    }
}

#include "cli/ProductionRun.h"

#include "cli/CliOutput.h"
#include "control/StateMachine.h"
#include "link/PortWatcher.h"
#include "link/SerialController.h"
#include "model/SettingRules.h"
#include "profile/ProfileFile.h"

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
    m_output.Progress(tr("%n unused MMSI(s) in the list. Plug in the Identifiers; Ctrl-C stops.", nullptr,
        m_list.Unused()));
    m_scan.start();
    Scan();
    EndIfDone();
}

void ProductionRun::Cancel()
{
    if (!m_stopping) {
        m_output.Progress(tr("Stopping once the devices under way are finished..."));
    }
    m_stopping = true;
    m_scan.stop();
    EndIfDone();
}

bool ProductionRun::Prepare()
{
    const ProfileReadResult read = ProfileFile::Read(m_options.profile());
    QString error;
    if (!read.ok) {
        error = read.problems.join(QLatin1Char('\n'));
    } else if (!MmsiList::Load(m_options.mmsiList(), &m_list, &error)) {
        error = error.isEmpty() ? tr("The MMSI list could not be read.") : error;
    }
    if (error.isEmpty()) {
        error = ListProblems();
    }
    if (error.isEmpty()) {
        m_recorder.CertificateFolderUsable(&error);
    }
    if (!error.isEmpty()) {
        m_ended = true;
        const int code = m_output.Failure(CliExit::FileError, error);
        QTimer::singleShot(0, this, [this, code] { emit finished(code); });
        return false;
    }
    m_profile = read.profile;
    m_images.Scan(UpdateImages::DefaultFolders());
    return true;
}

// A name the device cannot take would only be found out by the read-back,
// after the MMSI had been given to the device.
QString ProductionRun::ListProblems() const
{
    QStringList problems;
    for (int row = 0; row < m_list.Count(); ++row) {
        const MmsiListRow& entry = m_list.Row(row);
        const QPair<QString, QString> checks[] = {
            { tr("name"), SettingRules::AisTextProblem(entry.vesselName.toUpper(), SettingRules::VesselNameLength) },
            { tr("call sign"), SettingRules::AisTextProblem(entry.callSign.toUpper(), SettingRules::CallSignLength) },
        };
        for (const auto& check : checks) {
            if (!check.second.isEmpty()) {
                problems << tr("%1, MMSI %2, %3: %4").arg(m_list.Path(), entry.mmsi, check.first, check.second);
            }
        }
    }
    return problems.join(QLatin1Char('\n'));
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
        if (!m_slots.contains(port) && !m_stopping && m_list.Unused() > 0) {
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
    slot.session = new DeviceSession(port, m_options.update() ? m_images : UpdateImages(),
        StateMachine::DefaultConfigurationLogPath(), this);
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
    connect(slot.session, &DeviceSession::updating, this, [this, port](bool running) {
        m_output.Progress(running ? tr("%1: updating the firmware...").arg(port) : tr("%1: update ended.").arg(port));
    });
    m_output.Progress(tr("%1: connecting...").arg(port));
    slot.session->Open();
}

void ProductionRun::OnStepDone(const QString& port, DeviceSession::Step step)
{
    Slot& slot = m_slots[port];
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
    if (IsOutdated(slot.session->Identity())) {
        const QString firmware = slot.session->Identity().firmware;
        Report(slot, QStringLiteral("outdated"), CliExit::Done,
            m_options.update()
                ? tr("firmware %1 is still older than the image beside the program: the update did not take")
                      .arg(firmware)
                : tr("firmware %1 is older than the image beside the program; --update updates it first")
                      .arg(firmware));
        return;
    }
    m_output.Progress(tr("%1: reading %2...").arg(port, slot.session->Identity().serialNumber));
    slot.session->Read();
}

void ProductionRun::AfterRead(const QString& port, Slot& slot)
{
    const QString serial = slot.session->Identity().serialNumber;
    // Without a serial number the list could not tell this device again.
    if (serial.isEmpty()) {
        Report(slot, QStringLiteral("failed"), CliExit::Communication, tr("the device gave no serial number"));
        return;
    }
    const MmsiList::Decision decision = m_list.ClaimFor(serial, slot.session->DeviceProfile().Mmsi());
    slot.row = decision.row;
    switch (decision.claim) {
    case MmsiList::Claim::AlreadyProgrammed:
        Report(slot, QStringLiteral("already programmed"), CliExit::Done);
        return;
    case MmsiList::Claim::CarriesListMmsi:
        Report(slot, QStringLiteral("already carries an MMSI of the list"), CliExit::Done);
        return;
    case MmsiList::Claim::Exhausted:
        Report(slot, QStringLiteral("no unused MMSI left"), CliExit::Done);
        return;
    case MmsiList::Claim::Take:
    case MmsiList::Claim::Resume:
        break;
    }
    // The MMSI is spoken for in the file before the device gets it, so that
    // a run cut short never gives it to a second device.
    QString error;
    if (!m_list.Save(&error)) {
        m_stopping = true;
        Report(slot, QStringLiteral("failed"), CliExit::FileError, error);
        return;
    }
    m_output.Progress(tr("%1: writing MMSI %2...").arg(port, m_list.Row(slot.row).mmsi));
    slot.session->Write(ProfileFor(slot.row), true);
}

void ProductionRun::AfterWrite(Slot& slot)
{
    const QList<ProfileComparisonRow>& mismatches = slot.session->Mismatches();
    QString certificate;
    QString certificateError;
    const bool recorded
        = m_recorder.Record(slot.session->Written(), mismatches.isEmpty(), &certificate, &certificateError);
    if (!mismatches.isEmpty()) {
        QStringList settings;
        for (const ProfileComparisonRow& row : mismatches) {
            settings << tr("%1: sent \"%2\", the device holds \"%3\"").arg(row.setting, row.profileValue, row.deviceValue);
        }
        Report(slot, QStringLiteral("mismatch"), CliExit::Mismatch, settings.join(QStringLiteral("; ")));
        return;
    }
    m_list.MarkDone(slot.row, QDateTime::currentDateTimeUtc());
    QString error;
    if (!m_list.Save(&error)) {
        m_stopping = true;
        Report(slot, QStringLiteral("programmed"), CliExit::FileError, error);
        return;
    }
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

// The list's name and call sign, where it has them, stand in for the profile's.
Profile ProductionRun::ProfileFor(int row) const
{
    const MmsiListRow& entry = m_list.Row(row);
    Profile profile = m_profile;
    profile.mmsi().setText(entry.mmsi);
    if (!entry.vesselName.isEmpty()) {
        profile.staticData().setVesselName(entry.vesselName.toUpper());
    }
    if (!entry.callSign.isEmpty()) {
        profile.staticData().setCallSign(entry.callSign.toUpper());
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
    const QString mmsi = slot.row >= 0 && code != CliExit::Communication ? m_list.Row(slot.row).mmsi
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
    if (code != CliExit::Done && static_cast<int>(code) > static_cast<int>(m_worst)) {
        m_worst = code;
    }
    session->Close();
    session->deleteLater();
    if (m_list.Unused() == 0) {
        m_stopping = true;
    }
    EndIfDone();
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
    if (m_ended || BusyCount() > 0 || (!m_stopping && m_list.Unused() > 0)) {
        return;
    }
    m_ended = true;
    m_scan.stop();
    int code = static_cast<int>(m_worst);
    if (m_worst == CliExit::Done && m_list.Unused() > 0) {
        code = static_cast<int>(CliExit::Cancelled);
    } else if (m_worst == CliExit::Done) {
        m_output.Progress(tr("Every MMSI of the list is given out."));
    }
    QTimer::singleShot(0, this, [this, code] { emit finished(code); });
}

#include "control/StateMachine.h"

#include "app/BaudType.h"
#include "app/JobNames.h"
#include "app/UpdateImages.h"
#include "control/UpdateCheck.h"
#include "control/UpdaterLauncher.h"
#include "link/LogFile.h"
#include "link/Transport.h"
#include "model/Model.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const int TabCount = 8;
// A connection test at 115200, then at 38400.
const int TestsOfBothRates = 2;

bool IsSecurityJob(const QString& name)
{
    return name == JobName::PollSecurityEnabled || name == JobName::SecurityAccessRequest
        || name == JobName::SecurityAccessChallengeResponse;
}

// The profile settings each setting job reads or writes, by path.
QStringList SettingsOf(const QString& job)
{
    const QStringList vessel { QStringLiteral("vessel.name"), QStringLiteral("vessel.callSign"),
        QStringLiteral("vessel.type"), QStringLiteral("vessel.dimensionA"),
        QStringLiteral("vessel.dimensionB"), QStringLiteral("vessel.dimensionC"),
        QStringLiteral("vessel.dimensionD") };
    const QStringList voyageLog { QStringLiteral("voyageLog.enabled"), QStringLiteral("voyageLog.period"),
        QStringLiteral("voyageLog.distance") };
    const QStringList configuration = vessel + voyageLog
        + QStringList { QStringLiteral("messages.positionInterval"),
              QStringLiteral("messages.highRateEnabled"), QStringLiteral("messages.highRateSog"),
              QStringLiteral("messages.highRateInterval"), QStringLiteral("messages.channelAFrequency"),
              QStringLiteral("messages.channelBEnabled"), QStringLiteral("messages.channelBFrequency") };
    const QString mmsi = QStringLiteral("vessel.mmsi");
    const QString halvex = QStringLiteral("control.halvexEnabled");
    const QString powerBox = QStringLiteral("powerBox.enabled");
    const QHash<QString, QStringList> settings {
        { JobName::Basic, vessel + QStringList { mmsi, halvex } },
        { JobName::BasicV4, { powerBox } },
        { JobName::Configuration, configuration + QStringList { mmsi } },
        { JobName::ConfigurationWithoutMmsi, configuration },
        { JobName::Control,
            { QStringLiteral("control.bracketError"), QStringLiteral("control.offBracket"),
                QStringLiteral("control.sosAlertEnabled"), QStringLiteral("control.sosAudibleAlert"),
                QStringLiteral("control.sosMessage"), QStringLiteral("control.geofenceAudibleAlert"),
                QStringLiteral("powerBox.disconnectAlert"), QStringLiteral("control.sbasEnabled") } },
        { JobName::ForIdentifierV4,
            { powerBox, halvex, QStringLiteral("control.insideBoundary"),
                QStringLiteral("control.insideGeofence"), QStringLiteral("control.outsideGeofence") } },
        { JobName::ForIdentifierVx,
            { halvex, QStringLiteral("control.operationalFence"), QStringLiteral("control.halvexFence"),
                QStringLiteral("control.encryptionFence") } },
        { JobName::VdrConfiguration, voyageLog },
        { JobName::Diagnostics, { mmsi } },
    };
    return settings.value(job);
}

} // namespace

StateMachine::StateMachine(Model* tabModel, Model* transportModel, const UpdateImages* images,
    const QString& logPath, QObject* parent)
    : QObject(parent)
    , m_tabModel(tabModel)
    , m_transportModel(transportModel)
    , m_images(images)
    , m_log(new LogFile(this))
    , m_updater(new UpdaterLauncher(this))
    , m_tabStates(TabCount, StateNotConnected)
{
    m_pollTimer.setSingleShot(true);
    m_pollTimer.setInterval(PollInterval);
    connect(&m_pollTimer, &QTimer::timeout, this, &StateMachine::on_pollDevice);
    connect(m_updater, &UpdaterLauncher::Finished, this, &StateMachine::OnUpdaterFinished);
    connect(this, &StateMachine::exportConfigurationLog, m_log, &LogFile::on_ExportConfigurationLog);
    m_log->Open(logPath);
}

StateMachine::~StateMachine() = default;

void StateMachine::Attach(Transport* transport)
{
    m_transport = transport;
    m_updateTried = false;
    m_testsSinceUpdater = -1;
    m_unansweredTests = 0;
    m_mayListen = true;
    m_listening = false;
    connect(transport, &Transport::transportConnected, this, &StateMachine::onConnectedSM);
    connect(transport, &Transport::ConnectErrorMsg, this, &StateMachine::ConnectErrorMsg);
    connect(transport, &Transport::CommandError, this, &StateMachine::CommandError);
    connect(transport, &Transport::JobComplete, this, &StateMachine::JobComplete);
    connect(transport, &Transport::AllJobsComplete, this, &StateMachine::AllJobsComplete);
    connect(transport, &Transport::Disconnected, this, &StateMachine::Disconnected);
    connect(transport, &Transport::testConnection, this, &StateMachine::testConnection);
    connect(transport, &Transport::JobTimeout, this, &StateMachine::onJobTimeout);
    connect(transport, &Transport::portForSwUpdateResponse, this, &StateMachine::on_PortForSwUpdateResponse);
    connect(this, &StateMachine::QueueJob, transport, qOverload<const QString&, bool>(&Transport::QueueJob));
    connect(this, &StateMachine::readyForConnection, transport, &Transport::ConnectTransport);
    connect(this, &StateMachine::usePortForSwUpdate, transport, &Transport::on_UsePortForSwUpdate);
    connect(this, &StateMachine::triggerSecurityAccess, transport, &Transport::onTriggerSecurityAccess);
}

QString StateMachine::DefaultConfigurationLogPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/velmoraProgrammed.csv");
}

int StateMachine::State(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_tabStates.at(tab) : StateNotConnected;
}

QString StateMachine::FailureText(const QString& text, const QString& detail)
{
    QString line = text.section(QStringLiteral("\n\n"), 0, 0).simplified();
    if (!detail.isEmpty()) {
        line += QStringLiteral(": ") + detail.section(QStringLiteral("\n\n"), 0, 0).simplified();
    }
    return line;
}

int StateMachine::DeviceTypeFor(const QString& version)
{
    if (version.startsWith(QLatin1String("050200"))) {
        const QStringList parts = version.split(QLatin1Char('.'));
        bool numeric = false;
        const int second = parts.size() == 4 ? parts.at(1).toInt(&numeric) : 0;
        return numeric && second > 2 ? 2 : 1;
    }
    return version.startsWith(QLatin1String("160200")) ? 4 : 0;
}

void StateMachine::RequestJob(const QString& name, bool send)
{
    m_pollTimer.stop();
    emit QueueJob(name, send);
    m_idle = false;
}

void StateMachine::SetState(int tab, int state)
{
    if (tab < 0 || tab >= TabCount || m_tabStates.at(tab) == state) {
        return;
    }
    m_tabStates[tab] = state;
    emit UpdateTabIcon(tab, state);
    emit EnableTab(tab, state != StateBusy);
}

void StateMachine::MarkBusy(int tab)
{
    SetState(tab, StateBusy);
}

void StateMachine::SetConnectedTabs(int state)
{
    for (int tab : { TabConfiguration, TabControl, TabDiagnostics, TabVoyage }) {
        SetState(tab, state);
    }
}

QString StateMachine::Reply(const QString& job, int item) const
{
    return m_transport ? m_transport->Response(job, item) : QString();
}

// Connection sequence -------------------------------------------------------

void StateMachine::testConnection(int baud_type)
{
    // Silent at both rates once the updater has let go: the transfer was cut
    // short, and only the boot loader runs. The link goes on trying, so the
    // device is found once it is back. Where the port is listened to, the
    // listening tells whether the boot loader waits, and offers to recover it.
    if (m_testsSinceUpdater >= 0 && ++m_testsSinceUpdater == TestsOfBothRates + 1
        && !m_listensForBootLoader) {
        emit DisplayError(tr("The firmware could not be updated."),
            tr("The Identifier is waiting in its boot loader; connect it again to recover it."));
    }
    m_baudType = baud_type;
    if (!ListenInstead()) {
        RequestJob(JobName::ConnectionTest, false);
    }
}

// A device that answers at neither rate may be waiting in its boot loader;
// the tests pause while the port is listened to, so that they do not fight
// over it.
bool StateMachine::ListenInstead()
{
    if (++m_unansweredTests <= TestsOfBothRates || !m_listensForBootLoader || !m_mayListen) {
        return false;
    }
    m_mayListen = false;
    m_listening = true;
    HandPortToUpdater(true);
    return true;
}

void StateMachine::ResumeConnection(bool listenAgain)
{
    m_listening = false;
    m_unansweredTests = 0;
    m_mayListen = listenAgain;
    HandPortToUpdater(false);
}

void StateMachine::OnConnectionTestComplete()
{
    m_transportModel->setAppVersion(Reply(JobName::ConnectionTest, 0));
    emit ClearDisplayError();
    m_deviceVersion = m_transportModel->appVersion();
    const UpdateImages::Image& image = m_images->Newest(m_deviceVersion.startsWith(QLatin1String("16")));
    if (image.present) {
        m_imageVersion = image.version;
        m_imagePath = image.path;
        // Checked before the hand-over: the updater's first step resets the
        // device into its boot loader.
        const UpdateCheck check(m_imagePath, m_deviceVersion);
        if (check.Result() == UpdateCheck::Verdict::Go && !m_updateTried) {
            m_updateTried = true;
            HandPortToUpdater(true);
            return;
        }
        if (check.Result() == UpdateCheck::Verdict::Refused) {
            emit DisplayError(tr("The firmware was not updated."),
                tr("%1 The Identifier keeps firmware %2.").arg(check.Reason(), m_deviceVersion));
        } else if (check.Result() == UpdateCheck::Verdict::Go) {
            // An updater that could not start, or an update that did not
            // take, would otherwise be handed the device again at once, for
            // ever.
            emit DisplayError(tr("The firmware could not be updated."),
                tr("The Identifier keeps firmware %1; the newest image is %2. Connect the Identifier again "
                   "to try once more.")
                    .arg(m_deviceVersion, m_imageVersion));
        }
    }
    emit readyForConnection();
}

void StateMachine::onConnectedSM()
{
    emit sm_connected();
    m_connected = true;
    SetConnectedTabs(StateNotSynchronised);
}

void StateMachine::on_StartDataRetrieval()
{
    m_tabModel->reset();
    m_transportModel->reset();
    m_readSettings.clear();
    m_writtenSettings.clear();
    m_mmsiErased = false;
    RequestJob(JobName::Version, false);
}

void StateMachine::OnVersionComplete()
{
    const QString version = Reply(JobName::Version, 0);
    m_serialNumber = Reply(JobName::Version, 1);
    m_transportModel->setAppVersion(version);
    m_transportModel->setSerialNumber(m_serialNumber);
    m_deviceType = DeviceTypeFor(version);
    emit identified(version);
    emit AISType(m_deviceType);
}

void StateMachine::OnPollComplete()
{
    if (Reply(JobName::PollDevice, 0) != m_serialNumber) {
        emit changeOfDevice(false);
    }
}

// Completed jobs --------------------------------------------------------------

void StateMachine::JobComplete(const QString& name, bool send)
{
    // The device answers (a locked one to the security jobs first).
    m_testsSinceUpdater = -1;
    m_unansweredTests = 0;
    m_mayListen = true;
    if (name == JobName::ConnectionTest) {
        OnConnectionTestComplete();
    } else if (IsSecurityJob(name)) {
        emit ClearDisplayError();
        emit triggerSecurityAccess();
    } else if (name == JobName::Version) {
        OnVersionComplete();
    } else if (name == JobName::PollDevice) {
        OnPollComplete();
    } else {
        OnSettingJobComplete(name, send);
    }
    emit JobCompleted(name, send);
}

void StateMachine::OnSettingJobComplete(const QString& name, bool send)
{
    const QStringList settings = SettingsOf(name);
    (send ? m_writtenSettings : m_readSettings).unite(QSet<QString>(settings.cbegin(), settings.cend()));
    if (name == JobName::Basic) {
        if (send) {
            AppendConfigurationLog();
        } else {
            ShowRead(TabBasic);
        }
        SetState(TabBasic, StateSynchronised);
    } else if (name == JobName::Configuration || name == JobName::ConfigurationWithoutMmsi) {
        if (send) {
            // The new MMSI has gone out after the erased one.
            m_mmsiErased = false;
            AppendConfigurationLog();
        } else {
            ShowRead(TabConfiguration);
            ShowRead(TabBasic);
        }
        SetState(TabConfiguration, StateSynchronised);
    } else if (name == JobName::Control) {
        if (!send) {
            ShowRead(TabControl);
        }
        SetState(TabControl, StateSynchronised);
    } else if (name == JobName::Diagnostics) {
        if (!send) {
            ShowRead(TabDiagnostics);
        }
        SetState(TabDiagnostics, StateSynchronised);
    } else if (name == JobName::VdrConfiguration) {
        if (!send) {
            ShowRead(TabVoyage);
        }
        SetState(TabVoyage, StateSynchronised);
    }
}

// A read-back checks the device; the pages keep what the user sent, so that
// nothing typed is lost when the device did not take it.
void StateMachine::ShowRead(int tab)
{
    if (!m_verifying) {
        emit UpdateTabFromTransportModel(tab);
    }
}

void StateMachine::AppendConfigurationLog()
{
    // The device holds the configuration either way; a log that cannot be
    // written must still not pass unnoticed.
    if (!m_log->AppendRow(m_transportModel)) {
        emit DisplayError(tr("The configuration was written, but the configuration log could not be updated."),
            m_log->ErrorString());
    }
}

// Reading and writing tabs ------------------------------------------------------

void StateMachine::RequestControlJobs(bool send)
{
    if (IsFirstGeneration()) {
        RequestJob(JobName::ForIdentifierV4, send);
    } else if (m_deviceType == 4) {
        RequestJob(JobName::ForIdentifierVx, send);
    }
    RequestJob(JobName::Control, send);
    MarkBusy(TabControl);
}

void StateMachine::GetTab(int tab)
{
    if (!m_connected) {
        return;
    }
    switch (tab) {
    case TabBasic:
        if (IsFirstGeneration()) {
            RequestJob(JobName::BasicV4, false);
        }
        RequestJob(JobName::Basic, false);
        MarkBusy(TabBasic);
        break;
    case TabConfiguration:
        RequestJob(JobName::Configuration, false);
        MarkBusy(TabConfiguration);
        break;
    case TabControl:
        RequestControlJobs(false);
        break;
    case TabDiagnostics:
        RequestJob(JobName::Diagnostics, false);
        MarkBusy(TabDiagnostics);
        break;
    case TabVoyage:
        if (!m_voyageRetrieval) {
            RequestJob(JobName::VoyageDataGet, false);
            m_voyageRetrieval = true;
            MarkBusy(TabVoyage);
        }
        break;
    case TabVoyageSettings:
        RequestJob(JobName::VdrConfiguration, false);
        MarkBusy(TabVoyage);
        break;
    default:
        break;
    }
}

void StateMachine::SendTab(int tab)
{
    if (!m_connected) {
        return;
    }
    if (!m_sentTabs.contains(tab)) {
        m_sentTabs << tab;
    }
    switch (tab) {
    case TabBasic:
        *m_transportModel->mmsi() = *m_tabModel->mmsi();
        *m_transportModel->staticData() = *m_tabModel->staticData();
        *m_transportModel->vesselData() = *m_tabModel->vesselData();
        *m_transportModel->alerts() = *m_tabModel->alerts();
        *m_transportModel->geoBoundary() = *m_tabModel->geoBoundary();
        if (IsFirstGeneration()) {
            RequestJob(JobName::BasicV4, true);
        }
        RequestJob(JobName::Basic, true);
        MarkBusy(TabBasic);
        break;
    case TabConfiguration: {
        // The device takes an MMSI only once its own is erased. An MMSI the
        // user did not change is left out of the write, so it is never erased.
        const bool newMmsi = m_tabModel->mmsi()->text() != m_transportModel->mmsi()->text();
        if (newMmsi) {
            RequestJob(JobName::DeleteMmsi, false);
            m_mmsiErased = true;
        }
        *m_transportModel->mmsi() = *m_tabModel->mmsi();
        *m_transportModel->staticData() = *m_tabModel->staticData();
        *m_transportModel->vesselData() = *m_tabModel->vesselData();
        *m_transportModel->messages() = *m_tabModel->messages();
        *m_transportModel->voyageLog() = *m_tabModel->voyageLog();
        m_transportModel->setSbasEnabled(m_tabModel->sbasEnabled());
        RequestJob(newMmsi ? JobName::Configuration : JobName::ConfigurationWithoutMmsi, true);
        MarkBusy(TabConfiguration);
        break;
    }
    case TabControl:
        *m_transportModel->alerts() = *m_tabModel->alerts();
        *m_transportModel->geoBoundary() = *m_tabModel->geoBoundary();
        RequestControlJobs(true);
        break;
    case TabVoyageSettings:
        *m_transportModel->voyageLog() = *m_tabModel->voyageLog();
        RequestJob(JobName::VdrConfiguration, true);
        MarkBusy(TabVoyage);
        break;
    default:
        break;
    }
}

void StateMachine::SendAllTabs()
{
    SendTab(TabConfiguration);
    SendTab(TabVoyageSettings);
    SendTab(TabControl);
}

void StateMachine::GetAllTabs()
{
    if (m_connected) {
        RequestJob(JobName::Configuration, false);
        MarkBusy(TabConfiguration);
        RequestControlJobs(false);
    }
    GetTab(TabDiagnostics);
    GetTab(TabVoyageSettings);
}

void StateMachine::Edited(int tab)
{
    if (m_connected && State(tab) == StateSynchronised) {
        SetState(tab, StateEdited);
    }
}

// Device actions ----------------------------------------------------------------

void StateMachine::OnClearId()
{
    RequestJob(JobName::ClearHolder, false);
}

void StateMachine::OnDeepSleep()
{
    RequestJob(JobName::DeepSleep, false);
}

void StateMachine::OnResetVessel()
{
    RequestJob(JobName::ResetVessel, false);
}

void StateMachine::OnResetConfig()
{
    RequestJob(JobName::ResetConfig, false);
}

void StateMachine::OnClearVoyageLog()
{
    RequestJob(JobName::ClearVoyageLog, false);
}

void StateMachine::on_gnssMessageControl(bool on)
{
    RequestJob(on ? JobName::GpsOn : JobName::GpsOff, false);
}

// Idle work -----------------------------------------------------------------------

void StateMachine::Idle()
{
    emit UpdateUiControls(false);
    // While the updater holds the port, a poll would time out and start a
    // connection test that reopens the port under the updater's feet.
    if (!m_portHandedOver && m_connected) {
        m_pollTimer.start();
    }
}

void StateMachine::AllJobsComplete()
{
    m_idle = true;
    if (m_verifying) {
        FinishVerification();
    } else if (StartVerification()) {
        return;
    }
    if (m_voyageRetrieval) {
        emit VoyageLogRequested();
    } else {
        Idle();
    }
}

// Nothing is called written before the device has been asked what it now
// holds: every tab sent is read again with the jobs that read it.
// The record holds what was written and, marked, what was read from the
// device; the model's other values are defaults the device never gave.
Profile StateMachine::SentProfile() const
{
    Profile sent = Profile::FromModel(
        *m_transportModel, Profile::OriginNow(m_transportModel->appVersion(), m_deviceType, m_serialNumber));
    sent.Restrict(m_writtenSettings, m_readSettings);
    return sent;
}

bool StateMachine::StartVerification()
{
    m_readBackTabs = m_sentTabs;
    m_sentTabs.clear();
    if (m_readBackTabs.isEmpty() || !m_connected) {
        return false;
    }
    m_sent = SentProfile();
    m_writtenSettings.clear();
    m_verifying = true;
    for (int tab : qAsConst(m_readBackTabs)) {
        GetTab(tab);
    }
    return true;
}

void StateMachine::FinishVerification()
{
    m_verifying = false;
    const Profile held = Profile::FromModel(*m_transportModel, m_sent.Origin());
    const QList<ProfileComparisonRow> mismatches = ProfileComparison::Mismatches(m_sent, held);
    // A tab the device did not take is not in step with it.
    if (!mismatches.isEmpty()) {
        for (int tab : qAsConst(m_readBackTabs)) {
            SetState(tab == TabVoyageSettings ? TabVoyage : tab, StateEdited);
        }
    }
    m_readBackTabs.clear();
    emit WriteVerified(m_sent, mismatches);
}

void StateMachine::on_pollDevice()
{
    if (m_pollCount > 9) {
        emit triggerSecurityAccess();
        m_pollCount = 1;
    } else {
        RequestJob(JobName::PollDevice, false);
        ++m_pollCount;
    }
}

void StateMachine::OnVoyageSyncComplete()
{
    if (!m_voyageRetrieval) {
        return;
    }
    m_voyageRetrieval = false;
    SetState(TabVoyage, StateSynchronised);
    // An idle device is still polled after a download, so that a lost link
    // or a swapped device is noticed.
    if (m_idle) {
        Idle();
    }
}

// Failures ----------------------------------------------------------------------

void StateMachine::Fail(const QString& text, const QString& detail)
{
    WarnIfMmsiErased();
    m_failure = FailureText(text, detail);
    emit DisplayError(text, detail);
    emit Disconnect(true);
}

// A write that stops between erasing the MMSI and sending the new one may
// leave the device without any.
void StateMachine::WarnIfMmsiErased()
{
    if (m_mmsiErased) {
        m_mmsiErased = false;
        emit MmsiMayBeLost(
            tr("The Identifier may be left without its MMSI: it was erased for the new one, and the "
               "write stopped before the new MMSI was sent. Connect the Identifier again, check its "
               "MMSI and write it once more."));
    }
}

void StateMachine::ConnectErrorMsg(const QString& error)
{
    Fail(tr("Error connecting to the Identifier.\n\nApplication is attempting to reconnect."), error);
}

void StateMachine::CommandError(const QString& command)
{
    Fail(
        tr("Error sending a command to the Identifier.\n\nApplication is attempting to reconnect."), command);
}

void StateMachine::onJobTimeout(bool polling_timeout)
{
    m_idle = true;
    if (polling_timeout) {
        emit UpdateUiControls(true);
        RequestJob(JobName::ConnectionTest, false);
        return;
    }
    emit UpdateUiControls(false);
    Fail(tr("Connection Error"),
        tr("Communication Timeout.\nPlease check the connections to the Identifier.\n\n"
           "Application is attempting to reconnect."));
}

void StateMachine::Disconnected(bool)
{
    ReportUnverifiedWrite();
    m_failure.clear();
    m_connected = false;
    m_verifying = false;
    m_sentTabs.clear();
    m_readBackTabs.clear();
    m_pollTimer.stop();
    SetConnectedTabs(StateNotConnected);
}

// A write cut off is kept all the same: the device may hold any part of it.
void StateMachine::ReportUnverifiedWrite()
{
    if (!m_verifying && m_sentTabs.isEmpty()) {
        return;
    }
    emit WriteUnverified(m_verifying ? m_sent : SentProfile(),
        m_failure.isEmpty() ? tr("The connection ended before the settings were read back.") : m_failure);
}

void StateMachine::Disconnecting(bool)
{
}

// Firmware update ---------------------------------------------------------------

void StateMachine::on_PortForSwUpdateResponse(bool result)
{
    if (!result) {
        m_portHandedOver = false;
        m_listening = false;
        return;
    }
    if (m_listening) {
        emit portFreeForListening(m_portName);
    } else {
        StartUpdater();
    }
}

void StateMachine::StartUpdater()
{
    const bool knownBaud = m_baudType == BaudTypes::toNumber(BaudType::Baud115200)
        || m_baudType == BaudTypes::toNumber(BaudType::Baud38400);
    if (knownBaud && QFileInfo::exists(m_imagePath)
        && m_updater->Start(m_imagePath, m_portName, m_baudType)) {
        emit updaterRunning(true);
        return;
    }
    HandPortToUpdater(false);
}

void StateMachine::OnUpdaterFinished()
{
    m_testsSinceUpdater = 0;
    emit updaterRunning(false);
    HandPortToUpdater(false);
}

void StateMachine::HandPortToUpdater(bool handOver)
{
    m_portHandedOver = handOver;
    if (handOver) {
        m_pollTimer.stop();
    }
    emit usePortForSwUpdate(handOver);
}

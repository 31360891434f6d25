#include "session/DeviceSession.h"

#include "app/BaudType.h"
#include "app/JobNames.h"
#include "control/StateMachine.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "model/Model.h"
#include "protocol/PasswordWait.h"
#include "voyage/VoyageLogCollector.h"

DeviceSession::DeviceSession(const QString& portName, const QString& logPath, QObject* parent)
    : QObject(parent)
    , m_tabModel(new Model(this))
    , m_transportModel(new Model(this))
    , m_controller(new SerialController(this))
    , m_machine(new StateMachine(m_tabModel, m_transportModel, &m_images, logPath, this))
    , m_voyage(new VoyageLogCollector(this))
{
    m_identity.port = portName;
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(20000);
    connect(&m_connectTimeout, &QTimer::timeout, this, &DeviceSession::OnConnectTimeout);
    connect(&PasswordWait::Instance(), &PasswordWait::ended, this, [this] {
        if (m_connectTimeout.isActive()) {
            m_connectTimeout.start();
        }
    });
    connect(m_machine, &StateMachine::sm_connected, this, &DeviceSession::OnConnected, Qt::QueuedConnection);
    connect(m_machine, &StateMachine::DisplayError, this, &DeviceSession::OnDisplayError);
    connect(m_machine, &StateMachine::Disconnect, this, &DeviceSession::OnDisconnect);
    connect(m_machine, &StateMachine::WriteVerified, this, &DeviceSession::OnWriteVerified);
    connect(m_machine, &StateMachine::WriteUnverified, this, &DeviceSession::writeUnverified);
    connect(
        m_machine, &StateMachine::MmsiMayBeLost, this, [this](const QString& text) { m_mmsiWarning = text; });
    connect(m_machine, &StateMachine::VoyageLogRequested, m_voyage, &VoyageLogCollector::Start);
    connect(m_voyage, &VoyageLogCollector::finished, this, &DeviceSession::OnVoyageFinished);
    connect(m_machine, &StateMachine::JobCompleted, this, [this](const QString& name) {
        m_passwordTried = m_passwordTried || name == JobName::SecurityAccessChallengeResponse;
    });
}

DeviceSession::~DeviceSession()
{
    EndTransport();
}

void DeviceSession::Open()
{
    if (m_transport) {
        return;
    }
    Begin(Step::Open);
    m_versionAsked = false;
    m_passwordTried = false;
    m_transport = new SerialTransport(m_transportModel, m_controller, m_identity.port, this);
    m_machine->SetPortName(m_identity.port);
    m_machine->Attach(m_transport);
    // After the state machine's own connection, so that it has taken in
    // what the jobs brought before the session looks.
    connect(m_transport, &Transport::AllJobsComplete, this, &DeviceSession::OnJobsDone);
    connect(m_transport, &Transport::Received, m_voyage, &VoyageLogCollector::OnReceived);
    connect(m_transport, &Transport::MessageToDiagnostics, this, &DeviceSession::diagnosticLine);
    m_connectTimeout.start();
    m_transport->start(QThread::InheritPriority);
    m_transport->ConnectAtBaud(true);
}

void DeviceSession::Read()
{
    Begin(Step::Read);
    ReadSettingJobs();
}

void DeviceSession::Write(const Profile& profile, bool takeMmsi)
{
    Begin(Step::Write);
    // The tab model starts from all that the device was read to hold, so
    // that what the profile does not give (the destination, a setting of
    // another generation) keeps the device's value.
    m_tabModel->takeSettings(*m_transportModel);
    profile.ApplyTo(*m_tabModel, m_identity.generation, takeMmsi);
    m_mismatches.clear();
    m_machine->SendTab(StateMachine::TabConfiguration);
    m_machine->SendTab(StateMachine::TabControl);
}

void DeviceSession::FetchVoyageLog()
{
    Begin(Step::Fetch);
    m_voyage->Clear();
    m_machine->GetTab(StateMachine::TabVoyage);
}

void DeviceSession::ClearVoyageLog()
{
    Begin(Step::Clear);
    m_machine->OnClearVoyageLog();
}

void DeviceSession::Close()
{
    m_step = Step::None;
    EndTransport();
}

Profile DeviceSession::DeviceProfile() const
{
    return Profile::FromModel(*m_transportModel,
        Profile::OriginNow(m_identity.firmware, m_identity.generation, m_identity.serialNumber));
}

const QVector<VoyageRecord>& DeviceSession::VoyageRecords() const
{
    return m_voyage->Records();
}

int DeviceSession::AnnouncedVoyageRecords() const
{
    return m_voyage->Announced();
}

void DeviceSession::OnConnected()
{
    if (m_step != Step::Open) {
        return;
    }
    m_connectTimeout.stop();
    m_versionAsked = true;
    m_machine->on_StartDataRetrieval();
}

// The end of every queue of jobs; what it means depends on the step.
void DeviceSession::OnJobsDone()
{
    switch (m_step) {
    case Step::Open:
        if (m_versionAsked) {
            m_identity.firmware = m_transportModel->appVersion();
            m_identity.serialNumber = m_machine->SerialNumber();
            m_identity.generation = m_machine->DeviceType();
            m_identity.baudRate = BaudTypes::rate(static_cast<BaudType>(m_machine->BaudTypeNumber()));
            Finish();
        }
        break;
    case Step::Read:
    case Step::Clear:
        Finish();
        break;
    case Step::Write:
    case Step::Fetch:
    case Step::None:
        break;
    }
}

void DeviceSession::OnVoyageFinished()
{
    m_machine->OnVoyageSyncComplete();
    if (m_step == Step::Fetch) {
        Finish();
    }
}

void DeviceSession::OnDisplayError(const QString& text, const QString& detail)
{
    const QString message = StateMachine::FailureText(text, detail);
    // A failure is followed by the disconnect that tells it; an error held
    // while another comes was not one.
    WarnHeldError();
    m_error = message;
}

void DeviceSession::OnDisconnect(bool)
{
    QString message = m_error.isEmpty() ? tr("The connection to the Identifier ended.") : m_error;
    // The settings go out one after another: a write cut off leaves some.
    if (m_step == Step::Write) {
        message += QLatin1Char('\n')
            + tr("The write was cut off: the Identifier may be half-written, holding some of the new "
                 "settings and not others. Connect it again and write once more.");
    }
    Fail(m_mmsiWarning.isEmpty() ? message : message + QLatin1Char('\n') + m_mmsiWarning);
}

void DeviceSession::OnConnectTimeout()
{
    // A locked device that refuses the password stays silent to everything else.
    if (m_passwordTried) {
        Fail(tr("The Identifier on %1 is locked and did not accept the password.").arg(m_identity.port));
        return;
    }
    Fail(tr("The Identifier on %1 did not answer within %2 s.")
             .arg(m_identity.port)
             .arg(m_connectTimeout.interval() / 1000));
}

void DeviceSession::Begin(Step step)
{
    m_step = step;
    m_error.clear();
    m_mmsiWarning.clear();
}

void DeviceSession::Finish()
{
    const Step done = m_step;
    m_step = Step::None;
    WarnHeldError();
    emit stepDone(done);
}

void DeviceSession::WarnHeldError()
{
    if (!m_error.isEmpty()) {
        emit warning(m_error);
        m_error.clear();
    }
}

void DeviceSession::Fail(const QString& message)
{
    if (m_step == Step::None && !m_transport) {
        return;
    }
    const Step failedStep = m_step;
    m_step = Step::None;
    m_connectTimeout.stop();
    EndTransport();
    emit failed(failedStep, message);
}

void DeviceSession::ReadSettingJobs()
{
    m_machine->GetTab(StateMachine::TabConfiguration);
    m_machine->GetTab(StateMachine::TabControl);
}

// The state machine reads back what it wrote before it calls a write done.
void DeviceSession::OnWriteVerified(const Profile& sent, const QList<ProfileComparisonRow>& mismatches)
{
    if (m_step == Step::Write) {
        m_written = sent;
        m_mismatches = mismatches;
        Finish();
    }
}

// As the window's disconnect: the transport may be the sender of the signal
// that led here, so it is cut off at once and deleted later.
void DeviceSession::EndTransport()
{
    SerialTransport* ending = m_transport;
    if (!ending) {
        return;
    }
    m_transport = nullptr;
    ending->Disconnect(false);
    ending->disconnect();
    m_controller->disconnect(ending);
    m_machine->disconnect(ending);
    m_machine->Disconnected(false);
    m_controller->Close();
    ending->quit();
    ending->wait(1000);
    ending->deleteLater();
}

#include "recovery/BootLoaderRecovery.h"

#include "app/UpdateImages.h"
#include "cBootLoaderEntry.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"
#include "control/StateMachine.h"
#include "control/UpdateCheck.h"

#include <QSettings>

namespace {

// The family last identified on each port, by port name.
const QString FamilyByPortKey = QStringLiteral("FamilyByPort");

bool Is160200(const QString& family)
{
    return family.startsWith(QLatin1String("16"));
}

} // namespace

BootLoaderRecovery::BootLoaderRecovery(
    StateMachine* machine, const UpdateImages* images, const cUpdateTiming& timing, QObject* parent)
    : QObject(parent)
    , m_machine(machine)
    , m_images(images)
    , m_timing(timing)
{
    machine->SetListensForBootLoader(true);
    connect(machine, &StateMachine::portFreeForListening, this, &BootLoaderRecovery::Listen);
    connect(machine, &StateMachine::identified, this, &BootLoaderRecovery::OnIdentified);
}

BootLoaderRecovery::~BootLoaderRecovery() = default;

QStringList BootLoaderRecovery::Families()
{
    return { QStringLiteral("050200"), QStringLiteral("160200") };
}

QString BootLoaderRecovery::PreselectedFamily() const
{
    const QString seen = QSettings().value(FamilyByPortKey).toMap().value(m_port).toString();
    if (Families().contains(seen)) {
        return seen;
    }
    const bool first = !ImageOf(Families().at(0)).isEmpty();
    const bool later = !ImageOf(Families().at(1)).isEmpty();
    return first == later ? QString() : Families().at(later ? 1 : 0);
}

QString BootLoaderRecovery::ImageOf(const QString& family) const
{
    return m_images->Newest(Is160200(family)).path;
}

void BootLoaderRecovery::Remember(const QString& version)
{
    QSettings settings;
    QVariantMap families = settings.value(FamilyByPortKey).toMap();
    families.insert(m_machine->PortName(), version.left(6));
    settings.setValue(FamilyByPortKey, families);
}

void BootLoaderRecovery::Listen(const QString& portName)
{
    // Whether it is back in its boot loader is what the listening finds out.
    if (m_step == Step::Checking) {
        emit failed(tr("The image was sent, but the Identifier answers at neither 115200 nor 38400 baud."));
    }
    m_step = Step::Listening;
    m_port = portName;
    m_listener = std::make_unique<cBootLoaderEntry>(
        cSerialLink::factory(portName), cXmodem1KSend::BaudRate, m_timing);
    m_listener->recogniseOnly();
    connect(
        m_listener.get(), &QThread::finished, this, &BootLoaderRecovery::OnListened, Qt::QueuedConnection);
    m_listener->start();
}

void BootLoaderRecovery::OnListened()
{
    const bool waits = m_listener->connected();
    m_listener.reset();
    // A new connection has begun meanwhile: the port is no longer ours.
    if (!m_machine->IsListening()) {
        m_step = Step::Idle;
        return;
    }
    if (!waits) {
        m_step = Step::Idle;
        m_machine->ResumeConnection(true);
        return;
    }
    m_step = Step::Offered;
    emit waiting();
}

void BootLoaderRecovery::Decline()
{
    if (m_step == Step::Offered) {
        m_step = Step::Idle;
        m_machine->ResumeConnection(false);
    }
}

// The boot loader takes any image: only its being whole is checked.
void BootLoaderRecovery::Recover(const QString& imagePath)
{
    if (m_step != Step::Offered) {
        return;
    }
    m_expected = UpdateImages::VersionInName(imagePath);
    const UpdateCheck check(imagePath, m_expected, true);
    if (check.Result() != UpdateCheck::Verdict::Go) {
        Fail(check.Reason());
        m_machine->ResumeConnection(true);
        return;
    }
    m_step = Step::Sending;
    m_run = std::make_unique<cUpdateRun>(m_port, imagePath, cXmodem1KSend::BaudRate, m_timing);
    m_run->recover();
    connect(m_run.get(), &cUpdateRun::progress, this, &BootLoaderRecovery::progress);
    connect(m_run.get(), &cUpdateRun::finished, this, &BootLoaderRecovery::OnSent);
    m_run->start();
}

void BootLoaderRecovery::OnSent(cUpdateRun::Outcome outcome)
{
    // Deleted once its signal has returned.
    m_run.release()->deleteLater();
    if (outcome == cUpdateRun::Outcome::Complete) {
        m_step = Step::Checking;
    } else {
        Fail(FailureText(outcome));
    }
    m_machine->ResumeConnection(true);
}

void BootLoaderRecovery::OnIdentified(const QString& version)
{
    Remember(version);
    if (m_step != Step::Checking) {
        return;
    }
    m_step = Step::Idle;
    if (version == m_expected) {
        emit recovered(tr("Recovered from its boot loader; the firmware is now %1.").arg(version));
    } else {
        emit failed(tr("The image %1 was sent, but the Identifier reports the firmware %2.")
                        .arg(m_expected, version));
    }
}

void BootLoaderRecovery::Fail(const QString& reason)
{
    m_step = Step::Idle;
    emit failed(reason + QLatin1Char(' ')
        + tr("The Identifier is waiting in its boot loader; connect it again to recover it."));
}

QString BootLoaderRecovery::FailureText(cUpdateRun::Outcome outcome)
{
    switch (outcome) {
    case cUpdateRun::Outcome::NotConnected:
    case cUpdateRun::Outcome::NotInitiated:
        return tr("The boot loader did not take the image.");
    case cUpdateRun::Outcome::PortError:
        return tr("The port could not be used for the recovery.");
    case cUpdateRun::Outcome::FileError:
        return tr("The image could not be read whole during the recovery.");
    case cUpdateRun::Outcome::Cut:
    case cUpdateRun::Outcome::Complete:
        break;
    }
    return tr("The transfer of the image was cut short.");
}

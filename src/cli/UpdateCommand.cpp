#include "cli/UpdateCommand.h"

#include "cBootLoaderEntry.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"
#include "cli/CliOutput.h"
#include "control/StateMachine.h"
#include "control/UpdateCheck.h"
#include "link/SerialController.h"
#include "session/DeviceSession.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>
#include <QTimer>

#include <algorithm>

namespace {

// Progress is told in steps of this many percent.
constexpr int ProgressStep = 10;

bool Is160200(const QString& firmware)
{
    return firmware.startsWith(QLatin1String("16"));
}

} // namespace

UpdateCommand::UpdateCommand(const CliOptions& options, CliOutput& output, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_output(output)
{
}

UpdateCommand::~UpdateCommand() = default;

void UpdateCommand::Start()
{
    if (m_options.image().isEmpty()) {
        m_images.Scan(UpdateImages::DefaultFolders());
    }
    for (const QString& port : Ports()) {
        m_devices.push_back(std::make_unique<Device>());
        m_devices.back()->port = port;
    }
    for (const std::unique_ptr<Device>& device : m_devices) {
        if (SerialController::ExistingPorts({ device->port }).isEmpty()) {
            Report(*device, QStringLiteral("failed"), CliExit::NoDevice, tr("There is no such port."));
        } else {
            Connect(*device);
        }
    }
    EndIfDone();
}

void UpdateCommand::Cancel()
{
    for (const std::unique_ptr<Device>& device : m_devices) {
        if (!device->done && !device->sent) {
            device->listener.reset();
            Report(
                *device, QStringLiteral("cancelled"), CliExit::Cancelled, tr("Cancelled before the update."));
        }
    }
    EndIfDone();
}

QStringList UpdateCommand::Ports()
{
    // A port named twice, also through a link, is still one device: two
    // transfers would meet on it.
    QStringList given;
    QSet<QString> seen;
    for (const QString& port : m_options.ports()) {
        const QString real = QFileInfo(port).canonicalFilePath();
        if (!seen.contains(real.isEmpty() ? port : real)) {
            seen.insert(real.isEmpty() ? port : real);
            given << port;
        }
    }
    if (!given.isEmpty()) {
        return given;
    }
    const QString found = SerialController::FindDevicePort(m_options.vendorId(), m_options.productId());
    if (found.isEmpty()) {
        m_worst = CliExit::NoDevice;
        m_output.Failure(
            CliExit::NoDevice, tr("No Identifier found. Check the USB cable, or name the port with --port."));
        return {};
    }
    return { found };
}

void UpdateCommand::Connect(Device& device)
{
    device.session = new DeviceSession(device.port, StateMachine::DefaultConfigurationLogPath(), this);
    device.session->SetConnectTimeout(m_options.timeoutSeconds() * 1000);
    connect(device.session, &DeviceSession::stepDone, this, [this, &device] { OnOpened(device); });
    connect(device.session, &DeviceSession::failed, this,
        [this, &device](DeviceSession::Step, const QString& message) { OnSilent(device, message); });
    m_output.Progress(tr("%1: connecting...").arg(device.port));
    device.session->Open();
}

void UpdateCommand::OnOpened(Device& device)
{
    if (device.done) {
        return;
    }
    const DeviceIdentity identity = device.session->Identity();
    EndSession(device);
    device.serialNumber = identity.serialNumber;
    if (device.sent) {
        ReadBack(device, identity.firmware);
        return;
    }
    device.before = identity.firmware;
    QString problem;
    device.image = ImageFor(identity.firmware, &problem);
    if (device.image.isEmpty()) {
        Report(device, QStringLiteral("failed"), CliExit::FileError, problem);
        return;
    }
    CheckAndSend(device, identity.firmware, identity.baudRate);
}

// A device that does not answer may be waiting in its boot loader, where an
// update cut short has left it; it is only listened to, never reset.
void UpdateCommand::OnSilent(Device& device, const QString& message)
{
    if (device.done) {
        return;
    }
    EndSession(device);
    if (device.sent) {
        Report(device, QStringLiteral("failed"), CliExit::Communication,
            tr("The image was sent, but the Identifier does not answer: %1").arg(message));
        return;
    }
    m_output.Progress(tr("%1: no answer; listening for a boot loader...").arg(device.port));
    device.listener = std::make_unique<cBootLoaderEntry>(
        cSerialLink::factory(device.port), cXmodem1KSend::BaudRate, cUpdateTiming());
    device.listener->recogniseOnly();
    connect(
        device.listener.get(), &QThread::finished, this,
        [this, &device, message] {
            // Gone already when the command was cancelled.
            if (!device.listener) {
                return;
            }
            const bool waiting = device.listener->connected();
            device.listener.reset();
            if (!waiting) {
                Report(device, QStringLiteral("failed"), CliExit::Communication, message);
            } else {
                OnListened(device);
            }
        },
        Qt::QueuedConnection);
    device.listener->start();
}

// The boot loader cannot tell the device's family: the image named is taken
// for it, checked only for being whole.
void UpdateCommand::OnListened(Device& device)
{
    device.image = m_options.image();
    if (device.image.isEmpty()) {
        Report(device, QStringLiteral("waiting"), CliExit::Communication,
            tr("An Identifier is waiting in its boot loader for firmware; not updated. Name the image "
               "of its family with --image to recover it."));
        return;
    }
    CheckAndSend(device, UpdateImages::VersionInName(device.image), cXmodem1KSend::BaudRate);
}

void UpdateCommand::CheckAndSend(Device& device, const QString& deviceVersion, qint32 baudRate)
{
    const bool recovery = device.before.isEmpty();
    const UpdateCheck check(device.image, deviceVersion, m_options.force() || recovery);
    if (check.Result() != UpdateCheck::Verdict::Go) {
        const QString left = recovery ? QString() : QLatin1Char(' ') + tr("The Identifier was left running.");
        Report(device, QStringLiteral("refused"), CliExit::Refused, check.Reason() + left);
        return;
    }
    Send(device, baudRate);
}

void UpdateCommand::Send(Device& device, qint32 baudRate)
{
    device.sent = true;
    device.run = std::make_unique<cUpdateRun>(device.port, device.image, baudRate);
    if (device.before.isEmpty()) {
        device.run->recover();
    }
    connect(device.run.get(), &cUpdateRun::progress, this,
        [this, &device](int percent) { OnProgress(device, percent); });
    connect(device.run.get(), &cUpdateRun::finished, this,
        [this, &device](cUpdateRun::Outcome outcome) { OnSent(device, outcome); });
    m_output.Progress(tr("%1: updating with %2...").arg(device.port, QDir::toNativeSeparators(device.image)));
    device.run->start();
}

void UpdateCommand::OnProgress(Device& device, int percent)
{
    if (percent >= device.percentShown + ProgressStep) {
        device.percentShown = percent - percent % ProgressStep;
        m_output.Progress(tr("%1: %2 % sent").arg(device.port).arg(device.percentShown));
    }
}

void UpdateCommand::OnSent(Device& device, cUpdateRun::Outcome outcome)
{
    // Deleted once its signal has returned.
    device.run.release()->deleteLater();
    if (outcome == cUpdateRun::Outcome::Complete) {
        Connect(device);
        return;
    }
    CliExit code = CliExit::Communication;
    const QString text = FailureText(outcome, &code);
    Report(device, QStringLiteral("failed"), code, text);
}

QString UpdateCommand::FailureText(cUpdateRun::Outcome outcome, CliExit* code)
{
    const QString bootLoader = QLatin1Char(' ')
        + tr("The Identifier is waiting in its boot loader; connect it again to recover it.");
    *code = CliExit::Communication;
    switch (outcome) {
    case cUpdateRun::Outcome::NotConnected:
        return tr("The boot loader did not answer the reset; the firmware was not updated.");
    case cUpdateRun::Outcome::NotInitiated:
        return tr("The boot loader did not take the image; the firmware was not updated.");
    case cUpdateRun::Outcome::PortError:
        return tr("The port could not be used for the update.") + bootLoader;
    case cUpdateRun::Outcome::FileError:
        *code = CliExit::FileError;
        return tr("The image could not be read whole during the update.") + bootLoader;
    case cUpdateRun::Outcome::Cut:
    case cUpdateRun::Outcome::Complete:
        break;
    }
    return tr("Data transfer timeout.") + bootLoader;
}

void UpdateCommand::ReadBack(Device& device, const QString& firmware)
{
    const QString expected = UpdateImages::VersionInName(device.image);
    if (firmware != expected) {
        Report(device, QStringLiteral("mismatch"), CliExit::Mismatch,
            tr("The image %1 was sent, but the Identifier reports the firmware %2.").arg(expected, firmware));
        return;
    }
    const QString text = device.before.isEmpty()
        ? tr("Recovered from its boot loader; the firmware is now %1.").arg(firmware)
        : tr("Updated from %1 to %2.").arg(device.before, firmware);
    Report(device, QStringLiteral("updated"), CliExit::Done, text);
}

QString UpdateCommand::ImageFor(const QString& firmware, QString* problem) const
{
    if (!m_options.image().isEmpty()) {
        return m_options.image();
    }
    const UpdateImages::Image& newest = m_images.Newest(Is160200(firmware));
    if (newest.path.isEmpty()) {
        *problem
            = tr("No image of the family %1 in %2.")
                  .arg(firmware.left(6),
                      QDir::toNativeSeparators(UpdateImages::DefaultFolders().join(QStringLiteral(", "))));
    }
    return newest.path;
}

void UpdateCommand::EndSession(Device& device)
{
    if (device.session) {
        device.session->Close();
        device.session->deleteLater();
        device.session = nullptr;
    }
}

void UpdateCommand::Report(Device& device, const QString& result, CliExit code, const QString& message)
{
    if (device.done) {
        return;
    }
    device.done = true;
    EndSession(device);
    QJsonObject fields { { QStringLiteral("command"), QStringLiteral("update") },
        { QStringLiteral("port"), device.port }, { QStringLiteral("serialNumber"), device.serialNumber },
        { QStringLiteral("result"), result }, { QStringLiteral("message"), message } };
    if (!device.image.isEmpty()) {
        fields.insert(QStringLiteral("image"), device.image);
    }
    m_output.Result(fields, QStringLiteral("%1\t%2\t%3").arg(device.port, result, message));
    if (static_cast<int>(code) > static_cast<int>(m_worst)) {
        m_worst = code;
    }
    EndIfDone();
}

void UpdateCommand::EndIfDone()
{
    const bool busy = std::any_of(m_devices.cbegin(), m_devices.cend(),
        [](const std::unique_ptr<Device>& device) { return !device->done; });
    if (m_ended || busy) {
        return;
    }
    m_ended = true;
    const int code = static_cast<int>(m_worst);
    QTimer::singleShot(0, this, [this, code] { emit finished(code); });
}

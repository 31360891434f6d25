#include "SimulatedIdentifier.h"

#include "AisReports.h"
#include "SimSentence.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr int MaxLineBytes = 512;
constexpr int GnssCycleMs = 1000;
constexpr int ScheduleTickMs = 1000;
// Time for the last reply to leave before the device goes to sleep.
constexpr int SleepAfterReplyMs = 100;

// What the transcript shows of binary traffic: its start and its size.
QByteArray excerpt(const QByteArray& bytes)
{
    constexpr int shown = 24;
    if (bytes.size() <= shown)
        return bytes;
    return bytes.left(shown) + QStringLiteral(" ... (%1 bytes)").arg(bytes.size()).toLatin1();
}

} // namespace

SimulatedIdentifier::SimulatedIdentifier(const SimConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_line(&m_terminal)
    , m_protocol(m_state, m_config, m_security)
    , m_gnss(config.latitude, config.longitude, config.speedKnots)
{
    m_state.firmwareVersion = config.version;
    m_state.serialNumber = config.serialNumber;
    m_state.applicationMissing = config.bootLoaderOnly;
    QString ignored;
    m_state.settings.apply(config.settings, &ignored);
    if (config.voyageRecords.isEmpty() || !m_state.voyageLog.fromJson(config.voyageRecords, &ignored))
        m_state.voyageLog.generate(config.voyageGenerate, config.latitude, config.longitude,
            m_state.settings.number(QStringLiteral("logPeriod")));
    m_gnss.setTextMessages(config.txtEveryCycles, config.txtLeadingField);
    m_protocol.setFaultPlan(config.faults);
    m_line.setPacedInput(config.pacedInput);

    connect(&m_transcript, &Transcript::entryAdded, this, &SimulatedIdentifier::transcriptEntry);
    connect(&m_line, &SerialLine::arrived, this, &SimulatedIdentifier::onArrived);
    connect(&m_line, &SerialLine::transmitted, this, [this](const QByteArray& bytes, int rate) {
        m_transcript.bytes(QStringLiteral("TX"), rate, m_mode == Mode::BootLoader ? excerpt(bytes) : bytes);
    });
    connect(&m_line, &SerialLine::lost, this, [this](const QByteArray& bytes, int rate, int portRate) {
        m_transcript.bytes(QStringLiteral("TX-LOST"), rate, bytes + QStringLiteral(" (port at %1)").arg(portRate).toLatin1());
    });
    connect(&m_protocol, &DeviceProtocol::answer, this, &SimulatedIdentifier::queueLine);
    connect(&m_protocol, &DeviceProtocol::action, this, &SimulatedIdentifier::onAction);
    connect(&m_protocol, &DeviceProtocol::note, &m_transcript, &Transcript::event);
    connect(&m_security, &SecurityAccess::note, &m_transcript, &Transcript::event);
    connect(&m_bootLoader, &BootLoader::note, &m_transcript, &Transcript::event);
    connect(&m_bootLoader, &BootLoader::send, this, [this](const QByteArray& bytes) { m_line.send(bytes, BootLoader::RateBitsPerSecond); });
    connect(&m_bootLoader, &BootLoader::finished, this, &SimulatedIdentifier::onBootLoaderFinished);

    m_replyTimer.setSingleShot(true);
    connect(&m_replyTimer, &QTimer::timeout, this, &SimulatedIdentifier::sendDue);
    m_gnssTimer.setInterval(GnssCycleMs);
    connect(&m_gnssTimer, &QTimer::timeout, this, &SimulatedIdentifier::sendGnssCycle);
    connect(&m_noiseTimer, &QTimer::timeout, this, &SimulatedIdentifier::sendNoise);
    m_scheduleTimer.setInterval(ScheduleTickMs);
    connect(&m_scheduleTimer, &QTimer::timeout, this, &SimulatedIdentifier::sendScheduledMessages);
    m_silenceTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, &SimulatedIdentifier::unplug);
    m_modeTimer.setSingleShot(true);
    connect(&m_modeTimer, &QTimer::timeout, this, [this] { m_modeNext(); });
    m_clock.start();
}

bool SimulatedIdentifier::start(QString* error)
{
    if (!m_terminal.open(error))
        return false;
    m_transcript.event(
        QStringLiteral("port %1; device %2, serial %3, at %4 baud%5")
            .arg(portPath(), m_state.firmwareVersion, m_state.serialNumber)
            .arg(m_config.baud)
            .arg(m_state.applicationMissing ? QStringLiteral(", boot loader only") : QString()));
    m_security.configure(m_config.password, m_config.relockAfterMs);
    setFaults(m_config.faults);
    bootApplication();
    return true;
}

void SimulatedIdentifier::stop()
{
    quieten();
    m_silenceTimer.stop();
    m_noiseTimer.stop();
    setMode(Mode::Off);
    m_terminal.close();
}

bool SimulatedIdentifier::useStateFile(const QString& path, QString* error)
{
    if (QFile::exists(path) && !loadState(path, error))
        return false;
    m_statePath = path;
    saveState();
    return true;
}

void SimulatedIdentifier::setFaults(const FaultPlan& plan)
{
    m_config.faults = plan;
    m_protocol.setFaultPlan(plan);
    if (plan.silentAfterMs >= 0)
        m_silenceTimer.start(plan.silentAfterMs);
    else
        m_silenceTimer.stop();
    if (plan.noiseEveryMs > 0)
        m_noiseTimer.start(plan.noiseEveryMs);
    else
        m_noiseTimer.stop();
}

void SimulatedIdentifier::unplug()
{
    quieten();
    m_noiseTimer.stop();
    setMode(Mode::Unplugged);
}

QString SimulatedIdentifier::imageVersion(const QByteArray& image)
{
    static const QRegularExpression pattern(QStringLiteral("(050200|160200)\\.[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}"));
    return pattern.match(QString::fromLatin1(image.left(1024))).captured();
}

void SimulatedIdentifier::onArrived(const QByteArray& bytes, int rate)
{
    if (m_mode == Mode::Running && rate == m_config.baud) {
        takeLines(bytes);
    } else if (m_mode == Mode::BootLoader && rate == BootLoader::RateBitsPerSecond) {
        m_transcript.bytes(QStringLiteral("RX"), rate, excerpt(bytes));
        m_bootLoader.receive(bytes);
    } else {
        const bool listening = m_mode == Mode::Running || m_mode == Mode::BootLoader;
        m_transcript.bytes(listening ? QStringLiteral("RX-NOISE") : QStringLiteral("RX-IGNORED"), rate, bytes);
    }
}

void SimulatedIdentifier::takeLines(const QByteArray& bytes)
{
    m_lineBuffer += bytes;
    int end;
    while ((end = m_lineBuffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_lineBuffer.left(end + 1);
        m_lineBuffer.remove(0, end + 1);
        m_transcript.bytes(QStringLiteral("RX"), m_config.baud, line);
        if (line.trimmed().isEmpty())
            continue;
        const SimSentence sentence = SimSentence::parse(line);
        if (sentence.isValid())
            m_protocol.handle(sentence);
        else
            m_transcript.event(QStringLiteral("not a valid sentence: ignored"));
    }
    if (m_lineBuffer.size() > MaxLineBytes) {
        m_transcript.bytes(QStringLiteral("RX"), m_config.baud, m_lineBuffer);
        m_transcript.event(QStringLiteral("line too long: discarded"));
        m_lineBuffer.clear();
    }
}

void SimulatedIdentifier::queueLine(const QByteArray& line)
{
    queueLineAfter(line, m_config.replyDelayMs);
}

void SimulatedIdentifier::queueLineAfter(const QByteArray& line, int delayMs)
{
    m_pending.append({line, m_clock.elapsed() + delayMs});
    if (!m_replyTimer.isActive())
        m_replyTimer.start(delayMs);
}

// With faults.voyagePauseAfter the line falls silent once that many records
// have gone out (ten bits a byte), then the rest follows.
void SimulatedIdentifier::streamVoyageLog()
{
    const FaultPlan& faults = m_config.faults;
    int delayMs = m_config.replyDelayMs;
    double lineMs = 0;
    int queued = 0;
    for (const SimVoyageRecord& record : m_state.voyageLog.records()) {
        const QByteArray line = SimSentence::frame(SimVoyageLog::vdrBody(record));
        if (faults.voyagePauseAfter > 0 && queued++ == faults.voyagePauseAfter)
            delayMs += static_cast<int>(lineMs) + faults.voyagePauseMs;
        lineMs += line.size() * 10000.0 / m_config.baud;
        queueLineAfter(line, delayMs);
    }
}

void SimulatedIdentifier::sendDue()
{
    const qint64 now = m_clock.elapsed();
    while (!m_pending.isEmpty() && m_pending.first().due <= now)
        m_line.send(m_pending.takeFirst().line, m_config.baud);
    if (!m_pending.isEmpty())
        m_replyTimer.start(static_cast<int>(m_pending.first().due - now));
}

void SimulatedIdentifier::onAction(ShellOutcome::Action action)
{
    using A = ShellOutcome::Action;
    switch (action) {
    case A::Stored:
        saveState();
        emit settingsStored();
        break;
    case A::Reset:
        powerCycle();
        break;
    case A::DeepSleep:
        after(m_config.replyDelayMs + SleepAfterReplyMs, [this] {
            quieten();
            setMode(Mode::Sleeping);
            after(m_config.deepSleepMs, [this] { powerCycle(); });
        });
        break;
    case A::GnssOn:
        m_gnssOn = true;
        m_gnssTimer.start();
        break;
    case A::GnssOff:
        m_gnssOn = false;
        m_gnssTimer.stop();
        break;
    case A::StreamVoyage:
        streamVoyageLog();
        break;
    case A::Nothing:
        break;
    }
}

void SimulatedIdentifier::onBootLoaderFinished(bool complete, const QByteArray& image)
{
    const QString version = imageVersion(image);
    const QString family = m_state.firmwareVersion.left(6);
    if (complete)
        emit imageReceived(image);
    if (complete && !version.isEmpty() && version.startsWith(family)) {
        m_state.firmwareVersion = version;
        m_state.applicationMissing = false;
        m_transcript.event(QStringLiteral("new firmware %1 written (%2 bytes)").arg(version).arg(image.size()));
        saveState();
        emit firmwareUpdated(version);
    } else if (complete) {
        m_transcript.event(QStringLiteral("image (%1 bytes) names no %2 version: firmware kept").arg(image.size()).arg(family));
    } else if (!image.isEmpty()) {
        // The application was being overwritten: what is left cannot run.
        m_state.applicationMissing = true;
        m_transcript.event(
            QStringLiteral("transfer cut after %1 bytes: no application left").arg(image.size()));
    }
    bootApplication();
}

void SimulatedIdentifier::sendGnssCycle()
{
    if (m_mode != Mode::Running)
        return;
    for (const QString& body : m_gnss.cycle(QDateTime::currentDateTimeUtc()))
        m_line.send(SimSentence::frame(body), m_config.baud);
}

void SimulatedIdentifier::sendNoise()
{
    if (m_mode != Mode::Running)
        return;
    QByteArray noise(qMax(1, m_config.faults.noiseBytes), '\0');
    for (char& byte : noise)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    m_transcript.event(QStringLiteral("noise burst (fault)"));
    m_line.send(noise, m_config.baud);
}

void SimulatedIdentifier::sendScheduledMessages()
{
    const DeviceSettings& settings = m_state.settings;
    if (m_mode != Mode::Running || !settings.isMmsiSet())
        return;
    ++m_secondsRunning;
    const QString mmsi = settings.value(QStringLiteral("mmsi"));
    QStringList lines;
    const int positionInterval = settings.number(QStringLiteral("positionInterval"));
    if (positionInterval > 0 && m_secondsRunning % positionInterval == 0)
        lines << AisReports::position(mmsi, m_gnss.latitude(), m_gnss.longitude(), m_gnss.speedKnots(), m_gnss.course(),
            QDateTime::currentDateTimeUtc().time().second());
    const int staticInterval = settings.number(QStringLiteral("staticDataInterval"));
    if (staticInterval > 0 && m_secondsRunning % staticInterval == 0)
        lines << AisReports::staticData(settings);
    for (const QString& line : lines)
        m_line.send(line.startsWith(QLatin1Char('!')) ? SimSentence::frame(line) : line.toLatin1() + "\r\n", m_config.baud);
}

void SimulatedIdentifier::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    m_transcript.event(QStringLiteral("mode %1").arg(QLatin1String(QMetaEnum::fromType<Mode>().valueToKey(static_cast<int>(mode)))));
    emit modeChanged(mode);
}

void SimulatedIdentifier::powerCycle()
{
    quieten();
    setMode(Mode::Resetting);
    after(m_config.resetSilenceMs, [this] { enterBootLoader(); });
}

void SimulatedIdentifier::enterBootLoader()
{
    setMode(Mode::BootLoader);
    BootLoader::Settings settings;
    // With no application to start, the boot loader asks on until an image
    // has come whole.
    const bool waiting = m_state.applicationMissing;
    settings.cIntervalMs = waiting ? m_config.bootWaitingIntervalMs : m_config.bootCIntervalMs;
    settings.windowMs = waiting ? 0 : m_config.bootWindowMs;
    settings.idleTimeoutMs = m_config.bootIdleTimeoutMs;
    settings.nakBlocks = m_config.faults.nakBlocks;
    settings.ignoreFirstBlock = m_config.faults.ignoreFirstBlock;
    settings.nakFirstEot = m_config.faults.nakFirstEot;
    settings.cancelAfterBlocks = m_config.faults.cancelAfterBlocks;
    m_bootLoader.start(settings);
}

void SimulatedIdentifier::bootApplication()
{
    if (m_state.applicationMissing) {
        enterBootLoader();
        return;
    }
    m_security.powerOn();
    m_gnssOn = false;
    m_lineBuffer.clear();
    m_secondsRunning = 0;
    if (m_config.scheduledMessages)
        m_scheduleTimer.start();
    setMode(Mode::Running);
}

void SimulatedIdentifier::after(int ms, const std::function<void()>& next)
{
    m_modeNext = next;
    m_modeTimer.start(ms);
}

void SimulatedIdentifier::quieten()
{
    m_modeTimer.stop();
    m_replyTimer.stop();
    m_gnssTimer.stop();
    m_scheduleTimer.stop();
    m_gnssOn = false;
    m_pending.clear();
    m_line.clearOutput();
    m_bootLoader.stop();
}

void SimulatedIdentifier::saveState()
{
    if (m_statePath.isEmpty())
        return;
    const QJsonObject json {{QStringLiteral("firmwareVersion"), m_state.firmwareVersion},
        {QStringLiteral("settings"), m_state.settings.toJson()},
        {QStringLiteral("voyage"), m_state.voyageLog.toJson()}};
    QSaveFile file(m_statePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(json).toJson()) < 0 || !file.commit()) {
        const QString problem = QStringLiteral("cannot save the state to %1: %2").arg(m_statePath, file.errorString());
        m_transcript.event(problem);
        qWarning("identifier-sim: %s", qPrintable(problem));
    }
}

bool SimulatedIdentifier::loadState(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a state file (a JSON object)").arg(path);
        return false;
    }
    const QJsonObject json = document.object();
    DeviceState loaded = m_state;
    loaded.firmwareVersion = json.value(QStringLiteral("firmwareVersion")).toString(m_state.firmwareVersion);
    const bool hasLog = json.contains(QStringLiteral("voyage"));
    if (!loaded.settings.apply(json.value(QStringLiteral("settings")).toObject(), error)
        || (hasLog && !loaded.voyageLog.fromJson(json.value(QStringLiteral("voyage")).toArray(), error))) {
        *error = QStringLiteral("%1: %2").arg(path, *error);
        return false;
    }
    m_state = loaded;
    return true;
}

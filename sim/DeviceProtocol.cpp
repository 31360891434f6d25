#include "DeviceProtocol.h"

#include "DeviceState.h"
#include "SecurityAccess.h"
#include "SimConfig.h"
#include "SimSentence.h"

namespace {

const quint32 domainTokens[] = {0x00000000, 0x1F4A7B2C, 0x8E51D3A6, 0x47C09E15};

// The token field arrives as "0x" and hexadecimal digits, or in decimal.
bool tokenMatches(int domain, const QString& field)
{
    bool ok = false;
    const quint32 token = field.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? field.mid(2).toUInt(&ok, 16)
                                                                                     : field.toUInt(&ok, 10);
    return ok && domain >= 0 && domain < 4 && token == domainTokens[domain];
}

// AIS text fields are padded with "@" to their full length.
QString aisText(const QString& text, int length)
{
    return SimSentence::escape(text.leftJustified(length, QLatin1Char('@')));
}

QString shellReplyBody(const QString& echo, const ShellOutcome& outcome)
{
    if (outcome.kind == ShellOutcome::Kind::Refuse)
        return QStringLiteral("$PKRX,256,%1,%2").arg(echo).arg(outcome.status);
    QString body = QStringLiteral("$PKRX,255,%1,%2").arg(echo).arg(outcome.status);
    if (!outcome.payload.isNull())
        body += QLatin1Char(',') + SimSentence::escape(outcome.payload);
    return body;
}

} // namespace

DeviceProtocol::DeviceProtocol(DeviceState& state, const SimConfig& config, SecurityAccess& security, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_config(config)
    , m_security(security)
    , m_shell(state, config)
{
}

void DeviceProtocol::handle(const SimSentence& sentence)
{
    m_security.noteTraffic();
    const QString address = sentence.address();
    if (address == QLatin1String("PKRX") && sentence.field(1) == QLatin1String("SAC")) {
        const QString body = m_security.answer(sentence);
        if (!body.isEmpty())
            deliver(QStringLiteral("SAC"), QStringLiteral("SAC"), QString(), [body](bool) { return body; });
    } else if (address == QLatin1String("PKRX") && sentence.field(1) == QLatin1String("0")) {
        handleShell(sentence);
    } else if (address.size() == 5 && address.endsWith(QLatin1String("AIQ"))) {
        handleQuery(sentence.field(1));
    } else if (address.size() == 5) {
        handleWrite(address.mid(2), sentence);
    }
}

void DeviceProtocol::handleShell(const SimSentence& sentence)
{
    if (!sentence.hasField(6)) {
        emit note(QStringLiteral("shell sentence without its seven fields ignored"));
        return;
    }
    const SecurityAccess::Gate gate = m_security.gate();
    if (gate != SecurityAccess::Gate::Open) {
        emit note(QStringLiteral("locked: shell command not run"));
        if (gate == SecurityAccess::Gate::AnswerSac) {
            const QString body = m_security.lockedReply();
            deliver(QStringLiteral("SAC"), QStringLiteral("SAC"), QString(), [body](bool) { return body; });
        }
        return;
    }
    const QString echo = sentence.field(5);
    const QString command = SimSentence::unescape(echo);
    ShellOutcome outcome;
    if (tokenMatches(sentence.field(2).toInt(), sentence.field(3))) {
        outcome = m_shell.run(command);
    } else {
        outcome.kind = ShellOutcome::Kind::Refuse;
        outcome.status = ShellOutcome::WrongToken;
    }
    if (outcome.kind != ShellOutcome::Kind::NoReply) {
        const QString other = otherCommand(echo);
        deliver(command.section(QLatin1Char(' '), 0, 0), command, outcome.linePrefix,
            [echo, other, outcome](bool wrong) { return shellReplyBody(wrong ? other : echo, outcome); });
    }
    m_lastEcho = echo;
    if (outcome.action != ShellOutcome::Action::Nothing)
        emit action(outcome.action);
}

void DeviceProtocol::handleQuery(const QString& formatter)
{
    if (!passesLock())
        return;
    const QStringList known {QStringLiteral("SSD"), QStringLiteral("VSD"), QStringLiteral("SMM")};
    const int index = known.indexOf(formatter);
    if (index < 0) {
        emit note(QStringLiteral("query for %1 not answered: the device has no such sentence").arg(formatter));
        return;
    }
    deliver(formatter, formatter, QString(), [this, index](bool wrong) {
        switch ((index + (wrong ? 1 : 0)) % 3) {
        case 0:
            return staticDataBody();
        case 1:
            return voyageDataBody();
        default:
            return mmsiBody();
        }
    });
}

void DeviceProtocol::handleWrite(const QString& formatter, const SimSentence& sentence)
{
    if (!passesLock())
        return;
    DeviceSettings& settings = m_state.settings;
    const auto text = [&sentence](int i) { return SimSentence::unescape(sentence.field(i)); };
    const auto store = [this, &settings](const QString& key, const QString& value) {
        return settings.write(key, value, m_config.faults.ignoreWrites, nullptr);
    };
    if (formatter == QLatin1String("SSD")) {
        const QStringList keys {QStringLiteral("callSign"), QStringLiteral("vesselName"), QStringLiteral("dimensionA"),
            QStringLiteral("dimensionB"), QStringLiteral("dimensionC"), QStringLiteral("dimensionD")};
        for (int i = 0; i < keys.size(); ++i) {
            // An empty field leaves the setting as it is, as in the standard.
            if (!sentence.field(i + 1).isEmpty() && !store(keys.at(i), text(i + 1)))
                emit note(QStringLiteral("SSD %1 \"%2\" not acceptable").arg(keys.at(i), text(i + 1)));
        }
    } else if (formatter == QLatin1String("VSD")) {
        if (!sentence.field(1).isEmpty() && !store(QStringLiteral("vesselType"), sentence.field(1)))
            emit note(QStringLiteral("VSD type \"%1\" not acceptable").arg(sentence.field(1)));
        if (sentence.hasField(4))
            store(QStringLiteral("destination"), text(4));
    } else if (formatter == QLatin1String("SMM")) {
        if (settings.isMmsiSet())
            emit note(QStringLiteral("MMSI already programmed: SMM ignored"));
        else if (!store(QStringLiteral("mmsi"), sentence.field(3)))
            emit note(QStringLiteral("SMM MMSI \"%1\" not acceptable").arg(sentence.field(3)));
    } else {
        return;
    }
    emit action(ShellOutcome::Action::Stored);
}

bool DeviceProtocol::passesLock()
{
    const SecurityAccess::Gate gate = m_security.gate();
    if (gate == SecurityAccess::Gate::Open)
        return true;
    emit note(QStringLiteral("locked: sentence not answered"));
    if (gate == SecurityAccess::Gate::AnswerSac) {
        const QString body = m_security.lockedReply();
        deliver(QStringLiteral("SAC"), QStringLiteral("SAC"), QString(), [body](bool) { return body; });
    }
    return false;
}

void DeviceProtocol::deliver(const QString& word, const QString& whole, const QString& linePrefix, const Builder& build)
{
    const ReplyFaults::Fate fate = m_faults.fateOf(word, whole);
    if (fate == ReplyFaults::Fate::Drop) {
        emit note(QStringLiteral("reply to %1 dropped (fault)").arg(whole));
        return;
    }
    QByteArray line = linePrefix.toLatin1() + SimSentence::frame(build(fate == ReplyFaults::Fate::WrongCommand));
    if (fate == ReplyFaults::Fate::Corrupt) {
        // One character changed after the checksum was made.
        const int at = line.indexOf('*') - 1;
        line[at] = line.at(at) == '#' ? '%' : '#';
        emit note(QStringLiteral("reply to %1 corrupted (fault)").arg(whole));
    } else if (fate == ReplyFaults::Fate::WrongCommand) {
        emit note(QStringLiteral("reply to %1 answers another command (fault)").arg(whole));
    }
    emit answer(line);
}

QString DeviceProtocol::otherCommand(const QString& echo) const
{
    if (!m_lastEcho.isEmpty() && m_lastEcho != echo)
        return m_lastEcho;
    return echo == QLatin1String("appver") ? QStringLiteral("getserno") : QStringLiteral("appver");
}

QString DeviceProtocol::staticDataBody() const
{
    const DeviceSettings& s = m_state.settings;
    return QStringLiteral("$AISSD,%1,%2,%3,%4,%5,%6,0,AI")
        .arg(aisText(s.value(QStringLiteral("callSign")), 7), aisText(s.value(QStringLiteral("vesselName")), 20),
            s.value(QStringLiteral("dimensionA")), s.value(QStringLiteral("dimensionB")),
            s.value(QStringLiteral("dimensionC")), s.value(QStringLiteral("dimensionD")));
}

QString DeviceProtocol::voyageDataBody() const
{
    const DeviceSettings& s = m_state.settings;
    return QStringLiteral("$AIVSD,%1,0.0,0,%2,000000.00,00,00,15,0")
        .arg(s.value(QStringLiteral("vesselType")), aisText(s.value(QStringLiteral("destination")), 20));
}

QString DeviceProtocol::mmsiBody() const
{
    return QStringLiteral("$AISMM,R,,%1,").arg(m_state.settings.value(QStringLiteral("mmsi")));
}

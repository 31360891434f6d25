#include "ShellInterpreter.h"

#include "DeviceState.h"
#include "SimConfig.h"

#include <QRandomGenerator>

namespace {

struct SettingWords {
    const char* get;
    const char* set;
    const char* key;
};

const SettingWords settingWords[] = {
    {"getposti", "setposti", "positionInterval"},
    {"getposhrti", "setposhrti", "highRateInterval"},
    {"getposhrsog", "setposhrsog", "highRateSog"},
    {"getdatati", "setdatati", "staticDataInterval"},
    {"getlogperiod", "setlogperiod", "logPeriod"},
    {"getlogdist", "setlogdist", "logDistance"},
    {"getiderrmode", "setiderrmode", "bracketErrorMode"},
    {"getnoidmode", "setnoidmode", "offBracketMode"},
    {"getsosalerten", "setsosalerten", "sosAlertEnabled"},
    {"getsosbuz", "setsosbuz", "sosBuzzerMode"},
    {"getsosmsgtxt", "setsosmsgtxt", "sosMessage"},
    {"getgeobuz", "setgeobuz", "geofenceBuzzerMode"},
    {"getpwralerten", "setpwralerten", "powerBoxAlertEnabled"},
    {"", "setsbasmode", "sbasMode"},
    {"getboxen", "pwrboxen", "powerBoxEnabled"},
    {"getabseaenable", "setabseaenable", "boundaryEnabled"},
    {"getabseatxin", "setabseatxin", "insideBoundary"},
    {"getingeo", "setingeo", "insideGeofenceMode"},
    {"getoutgeo", "setoutgeo", "outsideGeofenceMode"},
    {"gethalvexen", "sethalvexen", "boundaryEnabled"},
    {"getopfenceen", "setopfenceen", "operationalFenceEnabled"},
    {"getsatfenceen", "setsatfenceen", "halvexFenceEnabled"},
    {"getencfenceen", "setencfenceen", "encryptionFenceEnabled"},
};

// Items readable by name with nvgeti.
const SettingWords namedItems[] = {
    {"\"sbasmode\"", "", "sbasMode"},
};

ShellOutcome reply(const QString& payload, ShellOutcome::Action action = ShellOutcome::Action::Nothing)
{
    ShellOutcome outcome;
    outcome.payload = payload;
    outcome.action = action;
    return outcome;
}

ShellOutcome refuse(int status)
{
    ShellOutcome outcome;
    outcome.kind = ShellOutcome::Kind::Refuse;
    outcome.status = status;
    return outcome;
}

// The value part of a set command: the buzzer words carry two durations
// after the mode, the message text comes in double quotes.
QString settingValue(const QString& key, const QString& argument, bool* ok)
{
    *ok = true;
    if (key == QLatin1String("sosBuzzerMode") || key == QLatin1String("geofenceBuzzerMode")) {
        const QStringList parts = argument.split(QLatin1Char(','));
        for (int i = 1; i < parts.size(); ++i) {
            bool number = false;
            parts.at(i).trimmed().toInt(&number);
            *ok = *ok && number;
        }
        return parts.first().trimmed();
    }
    if (key == QLatin1String("sosMessage") && argument.size() >= 2 && argument.startsWith(QLatin1Char('"'))
        && argument.endsWith(QLatin1Char('"')))
        return argument.mid(1, argument.size() - 2);
    return argument;
}

} // namespace

ShellInterpreter::ShellInterpreter(DeviceState& state, const SimConfig& config)
    : m_state(state)
    , m_config(config)
{
}

ShellOutcome ShellInterpreter::run(const QString& command) const
{
    const int space = command.indexOf(QLatin1Char(' '));
    const QString word = space < 0 ? command : command.left(space);
    const QString argument = space < 0 ? QString() : command.mid(space + 1).trimmed();
    ShellOutcome outcome;
    if (runFixed(word, argument, &outcome) || runDiagnostic(word, &outcome) || runFrequency(word, argument, &outcome)
        || runSetting(word, argument, &outcome))
        return outcome;
    return refuse(ShellOutcome::UnknownCommand);
}

bool ShellInterpreter::runFixed(const QString& word, const QString& argument, ShellOutcome* outcome) const
{
    using A = ShellOutcome::Action;
    DeviceSettings& settings = m_state.settings;
    if (word == QLatin1String("appver")) {
        *outcome = reply(m_state.firmwareVersion);
    } else if (word == QLatin1String("getserno")) {
        *outcome = reply(m_state.serialNumber);
    } else if (word == QLatin1String("gpsfilt")) {
        bool ok = false;
        const int mask = argument.toInt(&ok);
        *outcome = ok && mask >= 0 ? reply(QString::number(mask), mask ? A::GnssOn : A::GnssOff) : refuse(ShellOutcome::BadArgument);
    } else if (word == QLatin1String("voyage")) {
        *outcome = reply(QString::number(m_state.voyageLog.size()), A::StreamVoyage);
    } else if (word == QLatin1String("reset")) {
        outcome->kind = ShellOutcome::Kind::NoReply;
        outcome->action = A::Reset;
    } else if (word == QLatin1String("deepsleep")) {
        *outcome = reply(QString(), A::DeepSleep);
    } else if (word == QLatin1String("clrlog")) {
        m_state.voyageLog.clear();
        *outcome = reply(QString(), A::Stored);
    } else {
        const QMap<QString, DeviceSettings::Group> resets {
            {QStringLiteral("reset_mmsi"), DeviceSettings::Group::Mmsi},
            {QStringLiteral("resetvessel"), DeviceSettings::Group::Vessel},
            {QStringLiteral("resetproduct"), DeviceSettings::Group::Product},
            {QStringLiteral("resetunit"), DeviceSettings::Group::Unit},
            {QStringLiteral("resetholdid"), DeviceSettings::Group::Unit},
        };
        if (!resets.contains(word))
            return false;
        settings.reset(resets.value(word));
        *outcome = reply(QString(), A::Stored);
    }
    return true;
}

bool ShellInterpreter::runDiagnostic(const QString& word, ShellOutcome* outcome) const
{
    if (word == QLatin1String("batt")) {
        *outcome = reply(QString::number(m_config.batteryStatus));
    } else if (word == QLatin1String("battvolts")) {
        *outcome = reply(QString::number(m_config.batteryMillivolts + QRandomGenerator::global()->bounded(-6, 7)));
    } else if (word == QLatin1String("get_leds")) {
        *outcome = reply(QString::number(ledStatus()));
    } else if (word == QLatin1String("rssi")) {
        *outcome = reply(QString::number(m_config.rssi));
        // The receiver's raw level, printed by a debug trace without a line end.
        if (m_config.adcLines)
            outcome->linePrefix = QStringLiteral("ADC = %1 ").arg(2400 + 12 * m_config.rssi + QRandomGenerator::global()->bounded(0, 9));
    } else {
        return false;
    }
    return true;
}

bool ShellInterpreter::runFrequency(const QString& word, const QString& argument, ShellOutcome* outcome) const
{
    const QStringList keys {QStringLiteral("channelAFrequency"), QStringLiteral("channelBFrequency")};
    bool ok = false;
    if (word == QLatin1String("getaisfreq")) {
        const int channel = argument.toInt(&ok);
        *outcome = ok && (channel == 1 || channel == 2) ? reply(m_state.settings.value(keys.at(channel - 1)))
                                                        : refuse(ShellOutcome::BadArgument);
        return true;
    }
    if (word != QLatin1String("setaisfreq"))
        return false;
    const int channel = argument.section(QLatin1Char(','), 0, 0).toInt(&ok);
    *outcome = ok && (channel == 1 || channel == 2) ? store(keys.at(channel - 1), argument.section(QLatin1Char(','), 1))
                                                    : refuse(ShellOutcome::BadArgument);
    return true;
}

bool ShellInterpreter::runSetting(const QString& word, const QString& argument, ShellOutcome* outcome) const
{
    if (word == QLatin1String("nvgeti")) {
        for (const SettingWords& item : namedItems) {
            if (argument == QLatin1String(item.get)) {
                *outcome = reply(m_state.settings.value(QLatin1String(item.key)));
                return true;
            }
        }
        *outcome = refuse(ShellOutcome::BadArgument);
        return true;
    }
    for (const SettingWords& words : settingWords) {
        const QString key = QLatin1String(words.key);
        if (*words.get && word == QLatin1String(words.get)) {
            *outcome = reply(m_state.settings.value(key));
            return true;
        }
        if (word == QLatin1String(words.set)) {
            bool ok = false;
            const QString value = settingValue(key, argument, &ok);
            *outcome = ok ? store(key, value) : refuse(ShellOutcome::BadArgument);
            return true;
        }
    }
    return false;
}

ShellOutcome ShellInterpreter::store(const QString& key, const QString& value) const
{
    QString acknowledged;
    if (!m_state.settings.write(key, value, m_config.faults.ignoreWrites, &acknowledged))
        return refuse(ShellOutcome::BadArgument);
    return reply(acknowledged, ShellOutcome::Action::Stored);
}

int ShellInterpreter::ledStatus() const
{
    if (m_config.ledStatus >= 0)
        return m_config.ledStatus;
    const bool unset = !m_state.settings.isMmsiSet();
    if (m_state.isLaterGeneration())
        return unset ? 7 : 8;
    return unset ? 3 : 14;
}

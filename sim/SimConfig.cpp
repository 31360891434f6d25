#include "SimConfig.h"

#include "DeviceSettings.h"
#include "SimVoyageLog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>

#include <functional>
#include <vector>

namespace {

struct Key {
    QString name;
    QString help;
    std::function<bool(SimConfig&, const QJsonValue&)> apply;
};

template <typename Field>
Key intKey(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) {
                if (!v.isDouble())
                    return false;
                field(c) = v.toInt();
                return true;
            }};
}

template <typename Field>
Key doubleKey(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) {
                if (!v.isDouble())
                    return false;
                field(c) = v.toDouble();
                return true;
            }};
}

template <typename Field>
Key boolKey(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) {
                if (!v.isBool())
                    return false;
                field(c) = v.toBool();
                return true;
            }};
}

template <typename Field>
Key textKey(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) {
                if (!v.isString())
                    return false;
                field(c) = v.toString();
                return true;
            }};
}

template <typename Field>
Key textListKey(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) {
                if (!v.isArray())
                    return false;
                QStringList list;
                for (const QJsonValue& item : v.toArray()) {
                    if (!item.isString())
                        return false;
                    list << item.toString();
                }
                field(c) = list;
                return true;
            }};
}

const std::vector<Key>& keys()
{
    static const std::vector<Key> table = {
        textKey("version", "firmware version answered to \"appver\"; 050200.* is the first generation, 160200.* the later one (050200.02.01.00)", [](SimConfig& c) -> QString& { return c.version; }),
        textKey("serialNumber", "answered to \"getserno\" (205170031442)", [](SimConfig& c) -> QString& { return c.serialNumber; }),
        intKey("baud", "the device's normal rate, 115200 or 38400 (115200)", [](SimConfig& c) -> int& { return c.baud; }),
        intKey("replyDelayMs", "time from a command to its reply (30)", [](SimConfig& c) -> int& { return c.replyDelayMs; }),
        textKey("password", "security access password; empty: the device is open (\"\")", [](SimConfig& c) -> QString& { return c.password; }),
        intKey("relockAfterMs", "lock again after this long without a sentence; 0: never (0)", [](SimConfig& c) -> int& { return c.relockAfterMs; }),
        {QStringLiteral("settings"), QStringLiteral("object of initial device settings, keys below"), [](SimConfig& c, const QJsonValue& v) {
             if (!v.isObject())
                 return false;
             c.settings = v.toObject();
             return true;
         }},
        intKey("diagnostics.batteryMillivolts", "answered to \"battvolts\", give or take a few (4012)", [](SimConfig& c) -> int& { return c.batteryMillivolts; }),
        intKey("diagnostics.batteryStatus", "charging state number answered to \"batt\" (2)", [](SimConfig& c) -> int& { return c.batteryStatus; }),
        intKey("diagnostics.ledStatus", "LED indicator number answered to \"get_leds\"; -1: from the device's state (-1)", [](SimConfig& c) -> int& { return c.ledStatus; }),
        intKey("diagnostics.rssi", "dBm answered to \"rssi\" (-87)", [](SimConfig& c) -> int& { return c.rssi; }),
        boolKey("diagnostics.adcLines", "print an \"ADC =\" reading before the \"rssi\" reply (true)", [](SimConfig& c) -> bool& { return c.adcLines; }),
        doubleKey("gnss.latitude", "start of the simulated track, degrees north (50.355)", [](SimConfig& c) -> double& { return c.latitude; }),
        doubleKey("gnss.longitude", "start of the simulated track, degrees east (-4.139)", [](SimConfig& c) -> double& { return c.longitude; }),
        doubleKey("gnss.speedKnots", "speed along the track (5.5)", [](SimConfig& c) -> double& { return c.speedKnots; }),
        intKey("gnss.txtEveryCycles", "send a multi-sentence TXT message every this many cycles; 0: never (20)", [](SimConfig& c) -> int& { return c.txtEveryCycles; }),
        boolKey("gnss.txtLeadingField", "TXT with an extra first field, so count, number, id and text are fields 2 to 5 (false)", [](SimConfig& c) -> bool& { return c.txtLeadingField; }),
        intKey("voyage.generate", "number of generated voyage records when voyage.records is absent (200)", [](SimConfig& c) -> int& { return c.voyageGenerate; }),
        {QStringLiteral("voyage.records"), QStringLiteral("array of records {\"time\": ISO 8601 UTC, \"latitude\", \"longitude\", \"sog\", \"cog\", \"volts\" (numbers; a missing one is sent empty), \"offBracket\", \"sos\", \"geofence\", \"powerFail\", \"idError\" (booleans)}"), [](SimConfig& c, const QJsonValue& v) {
             if (!v.isArray())
                 return false;
             c.voyageRecords = v.toArray();
             return true;
         }},
        intKey("boot.resetSilenceMs", "silence after a reset before the boot loader speaks (300)", [](SimConfig& c) -> int& { return c.resetSilenceMs; }),
        intKey("boot.cIntervalMs", "the boot loader sends \"C\" this often (1000)", [](SimConfig& c) -> int& { return c.bootCIntervalMs; }),
        intKey("boot.windowMs", "how long the boot loader waits for a transfer (3000)", [](SimConfig& c) -> int& { return c.bootWindowMs; }),
        intKey("boot.idleTimeoutMs", "a started transfer silent this long is abandoned (10000)", [](SimConfig& c) -> int& { return c.bootIdleTimeoutMs; }),
        intKey("deepSleepMs", "how long \"deepsleep\" lasts before the device wakes as after a reset (5000)", [](SimConfig& c) -> int& { return c.deepSleepMs; }),
        textListKey("faults.dropReplies", "replies never sent, as WORD or WORD#N ([])", [](SimConfig& c) -> QStringList& { return c.faults.dropReplies; }),
        textListKey("faults.corruptReplies", "replies sent with a wrong checksum ([])", [](SimConfig& c) -> QStringList& { return c.faults.corruptReplies; }),
        textListKey("faults.wrongCommandReplies", "replies that echo another command ([])", [](SimConfig& c) -> QStringList& { return c.faults.wrongCommandReplies; }),
        intKey("faults.silentAfterMs", "fall silent for good this long after start, as if unplugged; -1: never (-1)", [](SimConfig& c) -> int& { return c.faults.silentAfterMs; }),
        intKey("faults.noiseEveryMs", "send a burst of random bytes this often; 0: never (0)", [](SimConfig& c) -> int& { return c.faults.noiseEveryMs; }),
        intKey("faults.noiseBytes", "bytes in each noise burst (12)", [](SimConfig& c) -> int& { return c.faults.noiseBytes; }),
        {QStringLiteral("faults.nakBlocks"), QStringLiteral("XMODEM blocks (counted from 1 in each transfer) answered NAK the first time they arrive ([])"), [](SimConfig& c, const QJsonValue& v) {
             if (!v.isArray())
                 return false;
             c.faults.nakBlocks.clear();
             for (const QJsonValue& item : v.toArray())
                 c.faults.nakBlocks << item.toInt();
             return true;
         }},
        intKey("faults.ignoreFirstBlock", "transfers whose first block is never answered; -1: all (0)", [](SimConfig& c) -> int& { return c.faults.ignoreFirstBlock; }),
        boolKey("faults.nakFirstEot", "answer the first EOT of a transfer with NAK (false)", [](SimConfig& c) -> bool& { return c.faults.nakFirstEot; }),
    };
    return table;
}

const Key* keyNamed(const QString& name)
{
    for (const Key& key : keys()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

bool applyObject(const QJsonObject& json, const QString& prefix, SimConfig* config, QString* error)
{
    for (auto it = json.begin(); it != json.end(); ++it) {
        const QString name = prefix + it.key();
        if (const Key* key = keyNamed(name)) {
            if (!key->apply(*config, it.value())) {
                *error = QStringLiteral("configuration key \"%1\" has a value of the wrong kind").arg(name);
                return false;
            }
        } else if (it.value().isObject()) {
            if (!applyObject(it.value().toObject(), name + QLatin1Char('.'), config, error))
                return false;
        } else {
            *error = QStringLiteral("unknown configuration key \"%1\"").arg(name);
            return false;
        }
    }
    return true;
}

} // namespace

bool SimConfig::fromJson(const QJsonObject& json, SimConfig* config, QString* error)
{
    if (!applyObject(json, QString(), config, error))
        return false;
    if (config->baud != 115200 && config->baud != 38400) {
        *error = QStringLiteral("baud must be 115200 or 38400");
        return false;
    }
    DeviceSettings settings;
    SimVoyageLog log;
    return settings.apply(config->settings, error) && log.fromJson(config->voyageRecords, error);
}

bool SimConfig::fromFile(const QString& path, SimConfig* config, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(path, parseError.errorString());
        return false;
    }
    return fromJson(document.object(), config, error);
}

QString SimConfig::help()
{
    QString text;
    for (const Key& key : keys())
        text += QStringLiteral("  %1\n").arg(key.name) + wrapped(key.help, 6);
    return text;
}

QString SimConfig::wrapped(const QString& text, int indent)
{
    const QString margin(indent, QLatin1Char(' '));
    QString result;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && margin.size() + line.size() + 1 + word.size() > 78) {
            result += margin + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return result + margin + line + QLatin1Char('\n');
}

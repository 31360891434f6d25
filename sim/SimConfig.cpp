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

// One reader per kind of value; false when the value is of another kind.
bool read(const QJsonValue& value, int* out)
{
    *out = value.toInt();
    return value.isDouble();
}

bool read(const QJsonValue& value, double* out)
{
    *out = value.toDouble();
    return value.isDouble();
}

bool read(const QJsonValue& value, bool* out)
{
    *out = value.toBool();
    return value.isBool();
}

bool read(const QJsonValue& value, QString* out)
{
    *out = value.toString();
    return value.isString();
}

bool read(const QJsonValue& value, QJsonObject* out)
{
    *out = value.toObject();
    return value.isObject();
}

bool read(const QJsonValue& value, QJsonArray* out)
{
    *out = value.toArray();
    return value.isArray();
}

template <typename Item, typename List>
bool readList(const QJsonValue& value, List* out)
{
    out->clear();
    for (const QJsonValue& item : value.toArray()) {
        Item one {};
        if (!read(item, &one))
            return false;
        out->append(one);
    }
    return value.isArray();
}

bool read(const QJsonValue& value, QStringList* out)
{
    return readList<QString>(value, out);
}

bool read(const QJsonValue& value, QList<int>* out)
{
    return readList<int>(value, out);
}

// field: a function from the configuration to the member the key sets.
template <typename Field>
Key key(const char* name, const char* help, Field field)
{
    return {QLatin1String(name), QLatin1String(help), [field](SimConfig& c, const QJsonValue& v) { return read(v, &field(c)); }};
}

const std::vector<Key>& keys()
{
    static const std::vector<Key> table = {
        key("version", "firmware version answered to \"appver\"; 050200.* is the first generation, 160200.* the later one (050200.02.01.00)", [](SimConfig& c) -> QString& { return c.version; }),
        key("serialNumber", "answered to \"getserno\" (205170031442)", [](SimConfig& c) -> QString& { return c.serialNumber; }),
        key("baud", "the device's normal rate, 115200 or 38400 (115200)", [](SimConfig& c) -> int& { return c.baud; }),
        key("replyDelayMs", "time from a command to its reply (30)", [](SimConfig& c) -> int& { return c.replyDelayMs; }),
        key("password", "security access password; empty: the device is open (\"\")", [](SimConfig& c) -> QString& { return c.password; }),
        key("relockAfterMs", "lock again after this long without a sentence; 0: never (0)", [](SimConfig& c) -> int& { return c.relockAfterMs; }),
        key("settings", "object of initial device settings, keys below", [](SimConfig& c) -> QJsonObject& { return c.settings; }),
        key("diagnostics.batteryMillivolts", "answered to \"battvolts\", give or take a few (4012)", [](SimConfig& c) -> int& { return c.batteryMillivolts; }),
        key("diagnostics.batteryStatus", "charging state number answered to \"batt\" (2)", [](SimConfig& c) -> int& { return c.batteryStatus; }),
        key("diagnostics.ledStatus", "LED indicator number answered to \"get_leds\"; -1: from the device's state (-1)", [](SimConfig& c) -> int& { return c.ledStatus; }),
        key("diagnostics.rssi", "dBm answered to \"rssi\" (-87)", [](SimConfig& c) -> int& { return c.rssi; }),
        key("diagnostics.adcLines", "print an \"ADC =\" reading before the \"rssi\" reply (true)", [](SimConfig& c) -> bool& { return c.adcLines; }),
        key("diagnostics.scheduledMessages", "once the MMSI is set, print \"Position Message\" and \"Static Data Message\" lines with their !AIVDO sentences at the position and static data intervals (true)", [](SimConfig& c) -> bool& { return c.scheduledMessages; }),
        key("gnss.latitude", "start of the simulated track, degrees north (50.355)", [](SimConfig& c) -> double& { return c.latitude; }),
        key("gnss.longitude", "start of the simulated track, degrees east (-4.139)", [](SimConfig& c) -> double& { return c.longitude; }),
        key("gnss.speedKnots", "speed along the track (5.5)", [](SimConfig& c) -> double& { return c.speedKnots; }),
        key("gnss.txtEveryCycles", "send a multi-sentence TXT message every this many cycles; 0: never (20)", [](SimConfig& c) -> int& { return c.txtEveryCycles; }),
        key("gnss.txtLeadingField", "TXT with an extra first field, so count, number, id and text are fields 2 to 5 (false)", [](SimConfig& c) -> bool& { return c.txtLeadingField; }),
        key("voyage.generate", "number of generated voyage records when voyage.records is absent (200)", [](SimConfig& c) -> int& { return c.voyageGenerate; }),
        key("voyage.records", "array of records {\"time\": ISO 8601 UTC, \"latitude\", \"longitude\", \"sog\", \"cog\", \"volts\" (numbers; a missing one is sent empty), \"offBracket\", \"sos\", \"geofence\", \"powerFail\", \"idError\" (booleans)}", [](SimConfig& c) -> QJsonArray& { return c.voyageRecords; }),
        key("boot.resetSilenceMs", "silence after a reset before the boot loader speaks (300)", [](SimConfig& c) -> int& { return c.resetSilenceMs; }),
        key("boot.cIntervalMs", "the boot loader sends \"C\" this often (1000)", [](SimConfig& c) -> int& { return c.bootCIntervalMs; }),
        key("boot.windowMs", "how long the boot loader waits for a transfer (3000)", [](SimConfig& c) -> int& { return c.bootWindowMs; }),
        key("boot.idleTimeoutMs", "a started transfer silent this long is abandoned (10000)", [](SimConfig& c) -> int& { return c.bootIdleTimeoutMs; }),
        key("boot.loaderOnly", "start in the boot loader with no application to run, as after an interrupted update: it waits for an image however long it takes, a cut transfer leaves it waiting, and a complete image of its family starts the application with the image's version (false)", [](SimConfig& c) -> bool& { return c.bootLoaderOnly; }),
        key("boot.waitingIntervalMs", "the waiting boot loader (boot.loaderOnly) sends \"C\" this often (3000)", [](SimConfig& c) -> int& { return c.bootWaitingIntervalMs; }),
        key("deepSleepMs", "how long \"deepsleep\" lasts before the device wakes as after a reset (5000)", [](SimConfig& c) -> int& { return c.deepSleepMs; }),
        key("faults.dropReplies", "replies never sent, as WORD or WORD#N ([])", [](SimConfig& c) -> QStringList& { return c.faults.dropReplies; }),
        key("faults.corruptReplies", "replies sent with a wrong checksum ([])", [](SimConfig& c) -> QStringList& { return c.faults.corruptReplies; }),
        key("faults.wrongCommandReplies", "replies that echo another command ([])", [](SimConfig& c) -> QStringList& { return c.faults.wrongCommandReplies; }),
        key("faults.silentAfterMs", "fall silent for good this long after start, as if unplugged; -1: never (-1)", [](SimConfig& c) -> int& { return c.faults.silentAfterMs; }),
        key("faults.noiseEveryMs", "send a burst of random bytes this often; 0: never (0)", [](SimConfig& c) -> int& { return c.faults.noiseEveryMs; }),
        key("faults.noiseBytes", "bytes in each noise burst (12)", [](SimConfig& c) -> int& { return c.faults.noiseBytes; }),
        key("faults.nakBlocks", "XMODEM blocks (counted from 1 in each transfer) answered NAK the first time they arrive ([])", [](SimConfig& c) -> QList<int>& { return c.faults.nakBlocks; }),
        key("faults.ignoreFirstBlock", "transfers whose first block is never answered; -1: all (0)", [](SimConfig& c) -> int& { return c.faults.ignoreFirstBlock; }),
        key("faults.nakFirstEot", "answer the first EOT of a transfer with NAK (false)", [](SimConfig& c) -> bool& { return c.faults.nakFirstEot; }),
        key("faults.cutFirstTransferAt", "the first transfer is cancelled (two CAN) when this block arrives, as a pulled cable cuts it; 0: never (0)", [](SimConfig& c) -> int& { return c.faults.cutFirstTransferAt; }),
        key("faults.ignoreWrites", "setting keys (as under settings, e.g. \"callSign\") whose writes are acknowledged as usual but not stored, so the old value stays ([])", [](SimConfig& c) -> QStringList& { return c.faults.ignoreWrites; }),
        key("faults.voyagePauseAfter", "the voyage log stream stops after this many records, as on a loose contact; 0: never (0)", [](SimConfig& c) -> int& { return c.faults.voyagePauseAfter; }),
        key("faults.voyagePauseMs", "how long that stop lasts before the rest follows (3000)", [](SimConfig& c) -> int& { return c.faults.voyagePauseMs; }),
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
    for (const QString& key : config->faults.ignoreWrites) {
        if (!DeviceSettings::isKnown(key)) {
            *error = QStringLiteral("faults.ignoreWrites: unknown setting \"%1\"").arg(key);
            return false;
        }
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

#include "DeviceSettings.h"

#include "SimConfig.h"

#include <QRegularExpression>

namespace {

enum class Kind { Number, Text, VesselText, Mmsi };

struct Rule {
    const char* key;
    const char* factoryValue;
    Kind kind;
    int min;
    int max; // the longest text kept, for text kinds
    DeviceSettings::Group group;
    const char* meaning;
};

using G = DeviceSettings::Group;

const Rule rules[] = {
    {"mmsi", DeviceSettings::UnsetMmsi, Kind::Mmsi, 0, 9, G::Mmsi, "MMSI, nine digits; 000000000 = not programmed"},
    {"callSign", "", Kind::VesselText, 0, 7, G::Vessel, "call sign (SSD)"},
    {"vesselName", "", Kind::VesselText, 0, 20, G::Vessel, "vessel name (SSD)"},
    {"dimensionA", "0", Kind::Number, 0, 511, G::Vessel, "metres from bow (SSD)"},
    {"dimensionB", "0", Kind::Number, 0, 511, G::Vessel, "metres from stern (SSD)"},
    {"dimensionC", "0", Kind::Number, 0, 63, G::Vessel, "metres from port side (SSD)"},
    {"dimensionD", "0", Kind::Number, 0, 63, G::Vessel, "metres from starboard side (SSD)"},
    {"vesselType", "0", Kind::Number, 0, 255, G::Vessel, "type of ship and cargo (VSD)"},
    {"destination", "", Kind::VesselText, 0, 20, G::Vessel, "destination (VSD)"},
    {"positionInterval", "300", Kind::Number, 1, 86400, G::Product, "getposti/setposti, seconds"},
    {"highRateInterval", "0", Kind::Number, 0, 86400, G::Product, "getposhrti/setposhrti, seconds; 0 = off"},
    {"highRateSog", "0", Kind::Number, 0, 1023, G::Product, "getposhrsog/setposhrsog, tenths of a knot; 0 = off"},
    {"staticDataInterval", "600", Kind::Number, 0, 86400, G::Product, "getdatati/setdatati, seconds"},
    {"channelAFrequency", "161975000", Kind::Number, 156000000, 163000000, G::Product, "getaisfreq 1/setaisfreq 1,F, Hz"},
    {"channelBFrequency", "162025000", Kind::Number, 156000000, 163000000, G::Product, "getaisfreq 2/setaisfreq 2,F, Hz"},
    {"logPeriod", "3600", Kind::Number, 0, 86400, G::Product, "getlogperiod/setlogperiod, seconds; 0 = log off"},
    {"logDistance", "500", Kind::Number, 0, 100000, G::Product, "getlogdist/setlogdist, metres"},
    {"bracketErrorMode", "1", Kind::Number, 0, 1, G::Product, "getiderrmode/setiderrmode"},
    {"offBracketMode", "1", Kind::Number, 0, 1, G::Product, "getnoidmode/setnoidmode"},
    {"sosAlertEnabled", "1", Kind::Number, 0, 1, G::Product, "getsosalerten/setsosalerten"},
    {"sosBuzzerMode", "1", Kind::Number, 0, 2, G::Product, "getsosbuz/setsosbuz"},
    {"sosMessage", "MAYDAY MAYDAY", Kind::Text, 0, 20, G::Product, "getsosmsgtxt/setsosmsgtxt"},
    {"geofenceBuzzerMode", "1", Kind::Number, 0, 2, G::Product, "getgeobuz/setgeobuz"},
    {"powerBoxAlertEnabled", "0", Kind::Number, 0, 1, G::Product, "getpwralerten/setpwralerten"},
    {"sbasMode", "1", Kind::Number, 0, 1, G::Product, "nvgeti \"sbasmode\"/setsbasmode"},
    {"powerBoxEnabled", "0", Kind::Number, 0, 1, G::Product, "getboxen/pwrboxen"},
    {"boundaryEnabled", "0", Kind::Number, 0, 1, G::Product, "getabseaenable/setabseaenable and gethalvexen/sethalvexen"},
    {"insideBoundary", "1", Kind::Number, 0, 1, G::Product, "getabseatxin/setabseatxin"},
    {"insideGeofenceMode", "0", Kind::Number, 0, 2, G::Product, "getingeo/setingeo"},
    {"outsideGeofenceMode", "0", Kind::Number, 0, 2, G::Product, "getoutgeo/setoutgeo"},
    {"operationalFenceEnabled", "1", Kind::Number, 0, 1, G::Product, "getopfenceen/setopfenceen"},
    {"halvexFenceEnabled", "1", Kind::Number, 0, 1, G::Product, "getsatfenceen/setsatfenceen"},
    {"encryptionFenceEnabled", "1", Kind::Number, 0, 1, G::Product, "getencfenceen/setencfenceen"},
    {"holderId", "B7C4019E", Kind::Text, 0, 8, G::Unit, "id of the paired bracket; resetholdid clears it"},
};

const Rule* ruleFor(const QString& key)
{
    for (const Rule& rule : rules) {
        if (key == QLatin1String(rule.key))
            return &rule;
    }
    return nullptr;
}

} // namespace

DeviceSettings::DeviceSettings()
{
    for (const Rule& rule : rules)
        m_values.insert(QLatin1String(rule.key), QLatin1String(rule.factoryValue));
}

bool DeviceSettings::set(const QString& key, const QString& value)
{
    return write(key, value, QStringList(), nullptr);
}

bool DeviceSettings::write(const QString& key, const QString& value, const QStringList& ignoredKeys, QString* acknowledged)
{
    QString kept;
    if (!checked(key, value, &kept))
        return false;
    if (!ignoredKeys.contains(key))
        m_values[key] = kept;
    if (acknowledged)
        *acknowledged = kept;
    return true;
}

bool DeviceSettings::checked(const QString& key, const QString& value, QString* kept)
{
    const Rule* rule = ruleFor(key);
    if (!rule)
        return false;
    switch (rule->kind) {
    case Kind::Number: {
        bool ok = false;
        const int number = value.trimmed().toInt(&ok);
        if (!ok || number < rule->min || number > rule->max)
            return false;
        *kept = QString::number(number);
        return true;
    }
    case Kind::Mmsi:
        if (!QRegularExpression(QStringLiteral("^[0-9]{9}$")).match(value).hasMatch())
            return false;
        *kept = value;
        return true;
    case Kind::VesselText:
        // AIS text has no lower case.
        *kept = value.left(rule->max).toUpper();
        return true;
    case Kind::Text:
        *kept = value.left(rule->max);
        return true;
    }
    return false;
}

void DeviceSettings::reset(Group group)
{
    for (const Rule& rule : rules) {
        if (rule.group == group)
            m_values[QLatin1String(rule.key)] = QLatin1String(rule.factoryValue);
    }
}

QJsonObject DeviceSettings::toJson() const
{
    QJsonObject json;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        json.insert(it.key(), it.value());
    return json;
}

bool DeviceSettings::apply(const QJsonObject& values, QString* error)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString text = it.value().isDouble() ? QString::number(it.value().toInt()) : it.value().toString();
        if (!isKnown(it.key()) || (!it.value().isDouble() && !it.value().isString()) || !set(it.key(), text)) {
            *error = QStringLiteral("setting \"%1\": unknown or not acceptable").arg(it.key());
            return false;
        }
    }
    return true;
}

bool DeviceSettings::isKnown(const QString& key)
{
    return ruleFor(key) != nullptr;
}

QString DeviceSettings::help()
{
    QString text;
    for (const Rule& rule : rules) {
        const QString range = rule.kind == Kind::Number
            ? QStringLiteral("%1..%2").arg(rule.min).arg(rule.max)
            : QStringLiteral("text, up to %1").arg(rule.max);
        text += QStringLiteral("  %1\n").arg(QLatin1String(rule.key))
            + SimConfig::wrapped(QStringLiteral("%1 (%2; factory \"%3\")").arg(QLatin1String(rule.meaning), range, QLatin1String(rule.factoryValue)), 6);
    }
    return text;
}

#include "SimVoyageLog.h"

#include <QJsonObject>
#include <QtMath>

namespace {

QString coordinate(double value, int degreeDigits)
{
    const double magnitude = qAbs(value);
    const int degrees = static_cast<int>(magnitude);
    const double minutes = (magnitude - degrees) * 60.0;
    return QStringLiteral("%1%2")
        .arg(degrees, degreeDigits, 10, QLatin1Char('0'))
        .arg(minutes, 7, 'f', 4, QLatin1Char('0'));
}

QString flag(bool set)
{
    return set ? QStringLiteral("A") : QStringLiteral("V");
}

bool inRange(int index, int from, int length)
{
    return index >= from && index < from + length;
}

} // namespace

void SimVoyageLog::generate(int count, double latitude, double longitude, int periodSeconds)
{
    m_records.clear();
    const int period = periodSeconds > 0 ? periodSeconds : 3600;
    const QDateTime end = QDateTime::currentDateTimeUtc();
    double volts = 4.15;
    for (int i = 0; i < count; ++i) {
        SimVoyageRecord record;
        record.time = end.addSecs(-static_cast<qint64>(count - 1 - i) * period);
        const double heading = qDegreesToRadians(40.0 + 50.0 * qSin(i / 25.0));
        latitude += 0.012 * qCos(heading);
        longitude += 0.018 * qSin(heading);
        record.latitude = latitude;
        record.longitude = longitude;
        record.cog = qRadiansToDegrees(heading);
        record.sog = 4.0 + 2.5 * qAbs(qSin(i / 7.0));
        // No fix now and then, and a stretch of lost motion data.
        record.hasPosition = i % 37 != 11;
        record.hasSog = record.hasCog = !inRange(i % 97, 60, 3);
        // The battery drains, then is charged in port.
        volts = i % 120 == 119 ? 4.15 : volts - 0.004;
        record.volts = qMax(volts, 3.30);
        record.offBracket = inRange(i, 30, 4);
        record.sos = i == 75;
        record.geofence = inRange(i, 140, 6);
        record.powerFail = i == 180;
        record.idError = i == 5;
        m_records.append(record);
    }
}

bool SimVoyageLog::fromJson(const QJsonArray& records, QString* error)
{
    QList<SimVoyageRecord> parsed;
    for (const QJsonValue& value : records) {
        const QJsonObject json = value.toObject();
        SimVoyageRecord record;
        record.time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODate).toUTC();
        if (!value.isObject() || !record.time.isValid()) {
            *error = QStringLiteral("voyage record %1 needs an ISO 8601 \"time\"").arg(parsed.size() + 1);
            return false;
        }
        record.hasPosition = json.contains(QStringLiteral("latitude")) && json.contains(QStringLiteral("longitude"));
        record.latitude = json.value(QStringLiteral("latitude")).toDouble();
        record.longitude = json.value(QStringLiteral("longitude")).toDouble();
        record.hasSog = json.contains(QStringLiteral("sog"));
        record.sog = json.value(QStringLiteral("sog")).toDouble();
        record.hasCog = json.contains(QStringLiteral("cog"));
        record.cog = json.value(QStringLiteral("cog")).toDouble();
        record.volts = json.value(QStringLiteral("volts")).toDouble();
        record.offBracket = json.value(QStringLiteral("offBracket")).toBool();
        record.sos = json.value(QStringLiteral("sos")).toBool();
        record.geofence = json.value(QStringLiteral("geofence")).toBool();
        record.powerFail = json.value(QStringLiteral("powerFail")).toBool();
        record.idError = json.value(QStringLiteral("idError")).toBool();
        parsed.append(record);
    }
    m_records = parsed;
    return true;
}

QJsonArray SimVoyageLog::toJson() const
{
    QJsonArray array;
    for (const SimVoyageRecord& record : m_records) {
        QJsonObject json {{QStringLiteral("time"), record.time.toString(Qt::ISODate)},
            {QStringLiteral("volts"), record.volts},
            {QStringLiteral("offBracket"), record.offBracket},
            {QStringLiteral("sos"), record.sos},
            {QStringLiteral("geofence"), record.geofence},
            {QStringLiteral("powerFail"), record.powerFail},
            {QStringLiteral("idError"), record.idError}};
        if (record.hasPosition) {
            json.insert(QStringLiteral("latitude"), record.latitude);
            json.insert(QStringLiteral("longitude"), record.longitude);
        }
        if (record.hasSog)
            json.insert(QStringLiteral("sog"), record.sog);
        if (record.hasCog)
            json.insert(QStringLiteral("cog"), record.cog);
        array.append(json);
    }
    return array;
}

QString SimVoyageLog::vdrBody(const SimVoyageRecord& record)
{
    const bool fix = record.hasPosition;
    // The firmware prints the voltage right-aligned in five places.
    return QStringLiteral("$PKRX,VDR,%1,%2,%3,%4,%5,%6,%7,%8,%9,")
               .arg(record.time.toString(QStringLiteral("hhmmss")),
                   fix ? coordinate(record.latitude, 2) : QString(),
                   fix ? QString(record.latitude < 0 ? QLatin1Char('S') : QLatin1Char('N')) : QString(),
                   fix ? coordinate(record.longitude, 3) : QString(),
                   fix ? QString(record.longitude < 0 ? QLatin1Char('W') : QLatin1Char('E')) : QString(),
                   record.hasSog ? QString::number(record.sog, 'f', 1) : QString(),
                   record.hasCog ? QString::number(record.cog, 'f', 1) : QString(),
                   record.time.toString(QStringLiteral("ddMMyy")),
                   QStringLiteral("%1").arg(record.volts, 5, 'f', 2))
        + QStringList {flag(record.offBracket), flag(record.sos), flag(record.geofence), flag(record.powerFail),
              flag(record.idError)}
              .join(QLatin1Char(','));
}

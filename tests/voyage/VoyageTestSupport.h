#pragma once

#include "protocol/NmeaSentence.h"
#include "voyage/VoyageRecord.h"

#include <QString>
#include <QStringList>

// A VDR sentence as the device frames it, from the fields after "VDR".
inline QString vdrLine(const QString& fields)
{
    return NmeaSentence::frame(QStringLiteral("$PKRX,VDR,") + fields);
}

// The device's answer to the request for its log: the number of records.
inline QString voyageAnswer(int records)
{
    return NmeaSentence::frame(QStringLiteral("$PKRX,255,voyage,0,%1").arg(records));
}

// Every field of a record on one line, so that a comparison names the field
// that differs.
inline QString describe(const VoyageRecord& r)
{
    const auto flag = [](bool set) { return set ? QStringLiteral("A") : QStringLiteral("-"); };
    return QStringList { r.date, r.time, QString::number(r.latitude, 'f', 7),
        QString::number(r.longitude, 'f', 7), QString::number(r.sog, 'f', 3), QString::number(r.cog, 'f', 3),
        QString::number(r.batteryVolts, 'f', 3),
        r.batterySent ? QStringLiteral("sent") : QStringLiteral("unsent"),
        flag(r.offBracket) + flag(r.sos) + flag(r.geofence) + flag(r.powerFail) + flag(r.idError) }
        .join(QLatin1Char('|'));
}

#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QList>
#include <QString>

struct SimVoyageRecord {
    QDateTime time;
    bool hasPosition = true;
    double latitude = 0;
    double longitude = 0;
    bool hasSog = true;
    double sog = 0;
    bool hasCog = true;
    double cog = 0;
    double volts = 0;
    bool offBracket = false;
    bool sos = false;
    bool geofence = false;
    bool powerFail = false;
    bool idError = false;
};

// The device's voyage data log and its VDR sentences.
class SimVoyageLog
{
public:
    const QList<SimVoyageRecord>& records() const { return m_records; }
    int size() const { return m_records.size(); }
    void clear() { m_records.clear(); }

    // A plausible few days at sea ending now: one record per period along a
    // coast, some without a fix or without motion data, a few alerts.
    void generate(int count, double latitude, double longitude, int periodSeconds);
    bool fromJson(const QJsonArray& records, QString* error);
    QJsonArray toJson() const;

    // "$PKRX,VDR,..." without checksum.
    static QString vdrBody(const SimVoyageRecord& record);

private:
    QList<SimVoyageRecord> m_records;
};

#pragma once

#include <QString>
#include <QStringList>

// The lines the device prints when it transmits a scheduled AIS message: a
// note naming the message, then the message itself as an own-vessel
// "!AIVDO" sentence (without checksum).
class AisReports
{
public:
    // Class B position report (message 18).
    static QStringList position(const QString& mmsi, double latitude, double longitude, double sogKnots,
        double cogDegrees, int second);
    // Static data report, part A: the vessel name (message 24).
    static QStringList staticData(const QString& mmsi, const QString& name);

private:
    class Bits;
};

#pragma once

#include "DeviceSettings.h"

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
    // Static data report (message 24) in its two parts: A with the vessel
    // name, B with vessel type, call sign and dimensions.
    static QStringList staticData(const DeviceSettings& settings);

private:
    class Bits;
    // Message 24 up to its part number: 0 for part A, 1 for part B.
    static Bits staticDataPart(const DeviceSettings& settings, int part);
};

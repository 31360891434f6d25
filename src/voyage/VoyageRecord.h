#pragma once

#include <QDate>
#include <QString>

class NmeaSentence;

// One entry of the device's voyage data log, as carried by a "$PKRX,VDR"
// sentence. Numbers the device did not send hold values outside their range,
// which the exports and the table test through the has...() helpers.
struct VoyageRecord {
    static constexpr double NoLatitude = 91.0;
    static constexpr double NoLongitude = 181.0;
    static constexpr double NoSog = 103.0;
    static constexpr double NoCog = 360.0;

    QString time; // "hh:mm:ss", empty when the device's time was not valid
    QString date; // "yyyy-MM-dd", empty when not valid
    double latitude = NoLatitude; // degrees, south negative
    double longitude = NoLongitude; // degrees, west negative
    double sog = NoSog; // knots
    double cog = NoCog; // degrees
    double batteryVolts = 0.0;
    bool batterySent = false;
    bool offBracket = false;
    bool sos = false;
    bool geofence = false;
    bool powerFail = false;
    bool idError = false;

    bool hasLatitude() const { return latitude < NoLatitude; }
    bool hasLongitude() const { return longitude < NoLongitude; }
    bool hasPosition() const { return hasLatitude() && hasLongitude(); }
    bool hasSog() const { return sog < NoSog; }
    bool hasCog() const { return cog < NoCog; }

    // Decodes a received line; false, leaving record alone, for anything but
    // a valid VDR sentence. The two-digit year is placed in the century of
    // today.
    static bool decode(const QString& line, VoyageRecord& record, const QDate& today = QDate::currentDate());

private:
    void decodeFields(const NmeaSentence& sentence, const QDate& today);
};

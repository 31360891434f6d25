#pragma once

#include <QChar>
#include <QJsonObject>
#include <QString>

#include <optional>

// One decoded AIS message, with the values scaled to the units receivers
// show. Which members mean something depends on the type; the others keep
// their defaults.
struct AisMessage {
    int type = 0; // message type 1..27
    int repeat = 0;
    QChar part; // 'A' or 'B' for type 24, null otherwise
    quint32 mmsi = 0;
    bool own = false; // from !AIVDO (the device's own broadcast), not !AIVDM

    std::optional<double> lat, lon; // degrees, absent when "not available"
    std::optional<double> speed; // knots
    std::optional<double> course; // degrees true
    std::optional<int> heading; // degrees
    QString shipName, callSign, destination, text; // up to the first '@', trailing spaces removed
    int shipType = 0; // 0 = not available
    int toBow = 0, toStern = 0, toPort = 0, toStarboard = 0; // metres

    // Position reports (types 1, 2, 3, 18, 19, 21)
    int status = 15; // navigational status, 15 = not defined
    int turn = -128; // rate of turn as sent: -128 not available, -127/127 turning fast
    bool accuracy = false; // position better than 10 m
    int second = 60; // UTC second of the fix, 60 = not available
    int maneuver = 0;
    bool raim = false;
    quint32 radio = 0; // radio status bits as sent

    // Static and voyage data (type 5), fixing device (5, 19, 21)
    int aisVersion = 0;
    quint32 imo = 0;
    int epfd = 0;
    int etaMonth = 0, etaDay = 0, etaHour = 24, etaMinute = 60; // 0 / 24 / 60 = not available
    double draught = 0.0; // metres
    bool dte = false; // true: no data terminal ready

    // Class B reports (types 18, 19)
    int regional = 0;
    bool cs = false, display = false, dsc = false, band = false, msg22 = false;
    bool assigned = false;

    // Aid to navigation (type 21); shipName holds its name with the extension
    int aidType = 0;
    bool offPosition = false;
    bool virtualAid = false;

    // Class B static data, part B (type 24)
    QString vendorId;
    int model = 0;
    quint32 serial = 0;
    quint32 mothershipMmsi = 0; // auxiliary craft only, in place of the dimensions

    // One object with the field names of gpsd's AIS JSON ("class":"AIS","type","mmsi","lat","lon","speed",
    // "course","heading","shipname","callsign","shiptype","to_bow","to_stern","to_port","to_starboard","text",
    // ...), scaled as gpsdecode -j prints them by default.
    QJsonObject ToJson() const;
};

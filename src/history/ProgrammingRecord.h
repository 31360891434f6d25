#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One programming of one device, as the history keeps it and the certificate
// shows it.
struct ProgrammingRecord {
    qint64 id = 0; // database row id; 0 until stored
    QDateTime at; // UTC
    QString user;
    QString computer;
    QString serialNumber;
    QString firmware; // the device's version text, e.g. 050200.02.01.00
    QString mmsi;
    QString vesselName;
    QString callSign;
    int generation = 0; // 1, 2 or 4
    bool verified = false; // read back and found equal
    QString source; // "window", "command line" or "configuration log"
    QByteArray settings; // the profile JSON of the settings as sent
    QString failure; // why it was not read back, when it was cut off
};

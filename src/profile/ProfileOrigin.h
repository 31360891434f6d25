#pragma once

#include <QDateTime>
#include <QString>

// Who saved a profile, when, and from which device.
struct ProfileOrigin {
    QDateTime savedAt; // UTC
    QString savedBy; // user name
    QString computer; // computer name
    QString family; // "050200" or "160200", from the firmware version
    int generation = 0; // device type as the state machine reports it: 1, 2 or 4
    QString firmware; // the device's version text
    QString serialNumber;
};

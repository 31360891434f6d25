#pragma once

#include <QString>

class Model;

// What the device was last read to hold of the values it broadcasts. Each
// group stays unknown until a read brings it: the diagnostic mode reads the
// MMSI alone, the vessel's identity comes with the basic and configuration
// pages, the SOS text with the control page.
class BroadcastSettings {
public:
    // Another MMSI means another device: what was read of the last one is
    // forgotten.
    void TakeMmsi(Model& source);
    // Name, call sign, vessel type, dimensions and destination.
    void TakeVessel(Model& source);
    void TakeSafetyText(Model& source);

    QString mmsi; // empty until read
    bool vesselRead = false;
    QString name;
    QString callSign;
    int shipType = 0;
    int dimensions[4] = {}; // A to D, metres
    QString destination;
    bool safetyTextRead = false;
    QString safetyText;
};

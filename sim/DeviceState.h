#pragma once

#include "DeviceSettings.h"
#include "SimVoyageLog.h"

#include <QString>

// What the device remembers across resets.
struct DeviceState {
    QString firmwareVersion;
    QString serialNumber;
    DeviceSettings settings;
    SimVoyageLog voyageLog;
    // No whole application in memory: only the boot loader runs.
    bool applicationMissing = false;

    bool isLaterGeneration() const { return firmwareVersion.startsWith(QLatin1String("16")); }
};

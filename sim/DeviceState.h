#pragma once

#include "DeviceSettings.h"
#include "VoyageLog.h"

#include <QString>

// What the device remembers across resets.
struct DeviceState {
    QString firmwareVersion;
    QString serialNumber;
    DeviceSettings settings;
    VoyageLog voyageLog;

    bool isLaterGeneration() const { return firmwareVersion.startsWith(QLatin1String("16")); }
};

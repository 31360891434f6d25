#pragma once

// The device types the state machine reports once it has identified the
// Identifier: 0 not recognised, 1 and 2 the first generation, 4 the later one.
class DeviceTypes {
public:
    static bool IsKnown(int type) { return type >= 1 && type <= 4; }
    // Only the first generation can be powered through the power interface unit.
    static bool HasPowerInterface(int type) { return type == 1 || type == 2; }
};

#pragma once

#include "profile/ProfileFile.h"

// The profile a command writes. Vessel texts have no lower case on the air:
// a profile's name and call sign are taken as capitals, as --name and
// --call-sign are, and are then no longer said to be unusual.
class CliProfile {
public:
    static ProfileReadResult Read(const QString& path);
};

#pragma once

#include <QString>

// One field of a decoded broadcast in words, beside what the device's
// settings give for it.
struct BroadcastField {
    QString label;
    QString broadcast;
    // Empty when no setting answers to the field (a position); "not read"
    // while the setting is not known.
    QString configured;
    bool differs = false;
    // For a field that differs: both values in a sentence, for a tool tip.
    QString note;
};

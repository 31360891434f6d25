#pragma once

#include <QString>

// Ordinal baud-rate numbers. They are not rates: the updater receives them on
// its command line, so the numbers themselves are part of the interface.
enum class BaudType : int {
    Baud38400 = 15,
    Baud115200 = 19,
};

namespace BaudTypes {
// The line rate in bits per second for a baud type.
int rate(BaudType type);
// Parses the number given on a command line; false if it names no known type.
bool fromNumber(const QString& text, BaudType* type);
int toNumber(BaudType type);
} // namespace BaudTypes

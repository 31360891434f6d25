#pragma once

#include <QString>

// What the serial console makes of a line the user typed. Sentences go out
// only when their checksum holds; one typed without a checksum gets it. A
// line "+++" switches the device to raw text for good, and from then on
// every line goes out as typed.
class TypedLine {
public:
    // The line to transmit, ending in CR LF; false, leaving out empty, when
    // the line is not a valid sentence and must not be sent.
    bool complete(const QString& typed, QString& out);

    bool isRaw() const { return m_raw; }

private:
    bool m_raw = false;
};

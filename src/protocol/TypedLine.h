#pragma once

#include <QString>

// What the serial console makes of a line the user typed. Sentences go out
// only when their checksum holds; one typed without a checksum gets it. A
// line "+++" switches the device to raw text for good, and from then on
// every line goes out as typed, with the line end the user chose.
class TypedLine {
public:
    // The line to transmit, ending in CR LF (or, in raw mode, the chosen line
    // end); false, leaving out empty, when the line is not a valid sentence
    // and must not be sent.
    bool complete(const QString& typed, QString& out);

    bool isRaw() const { return m_raw; }
    // CR LF until changed. The "+++" that starts raw mode still ends in
    // CR LF: the device takes it before it is in raw mode.
    void setRawLineEnd(const QString& lineEnd) { m_rawLineEnd = lineEnd; }

private:
    bool m_raw = false;
    QString m_rawLineEnd = QStringLiteral("\r\n");
};

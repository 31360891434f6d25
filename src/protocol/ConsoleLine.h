#pragma once

#include <QString>

class QTime;

// How the serial console shows a line received or sent: as it came, or
// stamped with the time it came, or with its bytes in hexadecimal beside it
// so that line ends and non-printing characters can be seen.
class ConsoleLine {
public:
    struct Options {
        bool timeStamps = false;
        bool hex = false;
    };

    // "hh:mm:ss.zzz", as the console and the serial data log stamp lines.
    static QString TimeStamp(const QTime& time);
    // Without options the prefix and the text, unchanged. With either, a
    // line of its own, even for a piece that has no line end.
    static QString Format(const QString& text, const QString& prefix, const QTime& time, Options options);

private:
    static QString Printable(const QString& text);
};

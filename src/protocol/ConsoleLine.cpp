#include "protocol/ConsoleLine.h"

#include <QTime>

namespace {

const QString hexSeparator = QStringLiteral("  | ");

QString WithoutLineEnd(const QString& text)
{
    int end = text.size();
    while (end > 0 && (text.at(end - 1) == QLatin1Char('\n') || text.at(end - 1) == QLatin1Char('\r')))
        --end;
    return text.left(end);
}

} // namespace

QString ConsoleLine::TimeStamp(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm:ss.zzz"));
}

QString ConsoleLine::Format(const QString& text, const QString& prefix, const QTime& time, Options options)
{
    if (!options.timeStamps && !options.hex)
        return prefix + text;
    QString line = options.timeStamps ? TimeStamp(time) + QLatin1Char(' ') + prefix : prefix;
    if (options.hex) {
        // The port's bytes arrive as Latin-1 text, so this gives them back
        // exactly.
        line += Printable(WithoutLineEnd(text)) + hexSeparator
            + QString::fromLatin1(text.toLatin1().toHex(' ').toUpper()) + QLatin1Char('\n');
    } else {
        line += text;
        if (!text.endsWith(QLatin1Char('\n')))
            line += QLatin1Char('\n');
    }
    return line;
}

// Control characters would break the line or vanish; the hexadecimal shows
// what they were.
QString ConsoleLine::Printable(const QString& text)
{
    QString printable = text;
    for (QChar& c : printable) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('.');
    }
    return printable;
}

#include "ShellSentence.h"

#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"

namespace {

// "$PKRX,0,<domain>,<token>,1,<text>,0"
QString commandBody(const QString& text, int domain)
{
    const quint32 token = NmeaShellCommand::securityDomainToken(domain).toUInt(nullptr, 16);
    QString escaped = text;
    escaped.replace(QLatin1Char(','), QLatin1String("^2C"));
    return QStringLiteral("$PKRX,0,%1,%2,1,%3,0").arg(domain).arg(token).arg(escaped);
}

bool isStart(char c)
{
    return c == '$' || c == '!';
}

} // namespace

namespace ShellSentence {

QByteArray command(const QString& text, int domain)
{
    return NmeaSentence::frame(commandBody(text, domain)).toLatin1();
}

QStringList fields(const QByteArray& received)
{
    for (int start = 0; start < received.size(); ++start) {
        if (!isStart(received.at(start))) {
            continue;
        }
        const int star = received.indexOf('*', start);
        if (star < 0) {
            break;
        }
        const int lineFeed = received.indexOf('\n', start);
        if (lineFeed >= 0 && lineFeed < star) {
            start = lineFeed;
            continue;
        }
        const QString body = QString::fromLatin1(received.mid(start, star - start));
        const bool fits = star + 3 - start <= MaxAnswerLength;
        if (fits && received.mid(star + 1, 2) == NmeaSentence::checksum(body).toLatin1()) {
            return body.mid(1).split(QLatin1Char(','));
        }
    }
    return {};
}

} // namespace ShellSentence

#include "SimSentence.h"

namespace {

const QLatin1String reserved("$*,!\\^~");

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

SimSentence SimSentence::parse(const QByteArray& line)
{
    SimSentence sentence;
    int start = -1;
    for (int i = 0; i < line.size() && start < 0; ++i) {
        if (line.at(i) == '$' || line.at(i) == '!')
            start = i;
    }
    const int star = line.indexOf('*', start);
    if (start < 0 || star < 0 || star + 3 > line.size())
        return sentence;
    const QByteArray body = line.mid(start, star - start);
    if (body.size() + 3 > MaxLength)
        return sentence;
    const int high = hexDigit(line.at(star + 1));
    const int low = hexDigit(line.at(star + 2));
    if (high < 0 || low < 0)
        return sentence;
    const QByteArray sum = checksum(body);
    if (((hexDigit(sum.at(0)) << 4) | hexDigit(sum.at(1))) != ((high << 4) | low))
        return sentence;
    sentence.m_fields = QString::fromLatin1(body).split(QLatin1Char(','));
    sentence.m_valid = true;
    return sentence;
}

QByteArray SimSentence::frame(const QString& body)
{
    const QByteArray bytes = body.toLatin1();
    return bytes + '*' + checksum(bytes) + "\r\n";
}

QByteArray SimSentence::checksum(const QByteArray& body)
{
    unsigned char sum = 0;
    for (int i = 1; i < body.size(); ++i)
        sum ^= static_cast<unsigned char>(body.at(i));
    return QByteArray::number(sum, 16).toUpper().rightJustified(2, '0');
}

QString SimSentence::escape(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (reserved.contains(c))
            out += QStringLiteral("^%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString SimSentence::unescape(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('^') && i + 2 < text.size()) {
            bool ok = false;
            const int code = text.mid(i + 1, 2).toInt(&ok, 16);
            out += ok ? QChar(code) : QChar(QLatin1Char('.'));
            i += 2;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

QString SimSentence::address() const
{
    return m_fields.isEmpty() ? QString() : m_fields.first().mid(1);
}

QString SimSentence::field(int index) const
{
    return hasField(index) ? m_fields.at(index) : QString();
}

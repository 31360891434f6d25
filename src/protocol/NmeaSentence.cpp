#include "protocol/NmeaSentence.h"

#include <QLocale>

namespace {

const QString reservedCharacters = QStringLiteral("$*,!\\^~");

// The value of one hexadecimal digit, or -1.
int hexDigit(QChar c)
{
    const ushort code = c.unicode();
    if (code >= '0' && code <= '9') {
        return code - '0';
    }
    if (code >= 'A' && code <= 'F') {
        return code - 'A' + 10;
    }
    if (code >= 'a' && code <= 'f') {
        return code - 'a' + 10;
    }
    return -1;
}

bool isChecksumDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Where the frame begins: the first start character with a "*" and two
// upper-case hex digits somewhere after it, at least one character later;
// -1 when there is none. One pass each way, so that a long line of noise
// costs no more than its length.
int frameStart(const QString& line)
{
    int star = line.size() - 3;
    while (star >= 0
        && !(line.at(star) == QLatin1Char('*') && isChecksumDigit(line.at(star + 1))
            && isChecksumDigit(line.at(star + 2)))) {
        --star;
    }
    for (int start = 0; start + 2 <= star; ++start) {
        if (line.at(start) == QLatin1Char('$') || line.at(start) == QLatin1Char('!')) {
            return start;
        }
    }
    return -1;
}

QString hexByte(int value)
{
    return QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

NmeaSentence::NmeaSentence(const QString& line)
{
    parse(line);
}

// One pass over the frame splits it at every "," and "*" and sums the body
// (everything before the last of them) for the checksum. A "*" inside the
// body splits a field too and is summed as a ",", so such a sentence fails
// its checksum.
bool NmeaSentence::parse(const QString& line)
{
    m_valid = line.size() <= MaxLength;
    m_talker.clear();
    m_identifier.clear();

    // Anything before the start character is noise from the link and is
    // dropped.
    const int start = frameStart(line);
    if (start < 0) {
        m_valid = false;
    }
    const QString text = start > 0 ? line.mid(start) : line;

    m_fields.clear();
    int fieldStart = 0;
    int sum = 0;
    int bodySum = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool separator = c == QLatin1Char(',') || c == QLatin1Char('*');
        if (separator) {
            m_fields.append(text.mid(fieldStart, i - fieldStart));
            fieldStart = i + 1;
            bodySum = sum;
        }
        if (i > 0) {
            sum ^= static_cast<unsigned char>(separator ? ',' : c.toLatin1());
        }
    }
    static const char hexDigits[] = "0123456789ABCDEF";
    const QStringRef checksumField = text.midRef(fieldStart);
    if (checksumField.size() < 2 || checksumField.at(0) != QLatin1Char(hexDigits[bodySum >> 4])
        || checksumField.at(1) != QLatin1Char(hexDigits[bodySum & 0xF])) {
        m_valid = false;
    }
    if (m_valid) {
        splitAddress();
    }
    return m_valid;
}

void NmeaSentence::splitAddress()
{
    const QString address = m_fields.value(0);
    if (address.mid(1, 1) == QLatin1String("P")) {
        m_talker = QStringLiteral("P");
        m_identifier = address.mid(2);
    } else {
        m_talker = address.mid(1, 2);
        m_identifier = address.mid(3);
    }
}

bool NmeaSentence::fieldText(int index, QString& out) const
{
    out.clear();
    if (index < 0 || index >= m_fields.size()) {
        return false;
    }
    out = m_fields.at(index);
    return true;
}

bool NmeaSentence::nonEmptyField(int index, QString& text) const
{
    return fieldText(index, text) && !text.isEmpty();
}

bool NmeaSentence::fieldChar(int index, QChar& out) const
{
    out = QChar();
    QString text;
    if (!nonEmptyField(index, text)) {
        return false;
    }
    out = text.at(0);
    return true;
}

bool NmeaSentence::fieldNumber(int index, int base, int& out) const
{
    out = 0;
    QString text;
    if (!nonEmptyField(index, text)) {
        return false;
    }
    out = text.toInt(nullptr, base);
    return true;
}

bool NmeaSentence::fieldHex(int index, int& out) const
{
    return fieldNumber(index, 16, out);
}

bool NmeaSentence::fieldInt(int index, int& out) const
{
    return fieldNumber(index, 10, out);
}

bool NmeaSentence::fieldDouble(int index, double& out) const
{
    out = 0.0;
    QString text;
    if (!nonEmptyField(index, text)) {
        return false;
    }
    out = QLocale::c().toDouble(text);
    return true;
}

QString NmeaSentence::checksum(const QString& text)
{
    int sum = 0;
    for (int i = 1; i < text.size(); ++i) {
        sum ^= static_cast<unsigned char>(text.at(i).toLatin1());
    }
    return hexByte(sum);
}

QString NmeaSentence::frame(const QString& body)
{
    return body + QLatin1Char('*') + checksum(body) + QLatin1String("\r\n");
}

QString NmeaSentence::escape(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (reservedCharacters.contains(c)) {
            escaped += QLatin1Char('^') + hexByte(c.unicode());
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString NmeaSentence::unescape(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        if (text.at(i) != QLatin1Char('^') || i + 2 >= text.size()) {
            plain += text.at(i);
            ++i;
            continue;
        }
        const int high = hexDigit(text.at(i + 1));
        const int low = hexDigit(text.at(i + 2));
        plain += (high < 0 || low < 0) ? QChar(QLatin1Char('.')) : QChar(high * 16 + low);
        i += 3;
    }
    return plain;
}

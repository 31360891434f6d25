#include "ais/AisBits.h"

#include <algorithm>

AisBits::AisBits(const char* payload, int characters, int fill)
    : m_payload(payload)
    , m_characters(characters)
    , m_bits(std::max(0, characters * 6 - fill))
{
}

int AisBits::sixBitsAt(int index) const
{
    if (index >= m_characters) {
        return 0;
    }
    const int value = m_payload[index] - 48;
    return value > 40 ? value - 8 : value;
}

quint32 AisBits::unsignedAt(int start, int width) const
{
    quint32 result = 0;
    const int end = start + width;
    for (int bit = start; bit < end;) {
        const int offset = bit % 6;
        const int taken = std::min(6 - offset, end - bit);
        const int value = bit < m_bits ? sixBitsAt(bit / 6) : 0;
        result = (result << taken) | ((value >> (6 - offset - taken)) & ((1 << taken) - 1));
        bit += taken;
    }
    // Fill bits and whatever lies past them are not part of the message.
    if (end > m_bits) {
        const int missing = std::min(width, end - m_bits);
        result &= missing >= 32 ? 0U : ~((1U << missing) - 1U);
    }
    return result;
}

qint32 AisBits::signedAt(int start, int width) const
{
    const quint32 value = unsignedAt(start, width);
    const quint32 sign = 1U << (width - 1);
    return static_cast<qint32>(value ^ sign) - static_cast<qint32>(sign);
}

QString AisBits::textAt(int start, int characters) const
{
    QString text(characters, QChar());
    QChar* out = text.data();
    int length = 0;
    for (int index = 0; index < characters; ++index) {
        const int value = static_cast<int>(unsignedAt(start + index * 6, 6));
        if (value == 0) {
            break;
        }
        out[index] = QLatin1Char(static_cast<char>(value < 32 ? value + 64 : value));
        if (value != 32) {
            length = index + 1;
        }
    }
    text.truncate(length);
    return text;
}

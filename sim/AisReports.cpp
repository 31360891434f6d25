#include "AisReports.h"

#include <QtMath>

// An AIS message as a string of bits, armoured six bits to a character.
class AisReports::Bits
{
public:
    void add(qint64 value, int width)
    {
        for (int bit = width - 1; bit >= 0; --bit)
            m_bits.append((value >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    }

    void addText(const QString& text, int characters)
    {
        // The six-bit alphabet: "@" to "_" are 0 to 31, " " to "?" 32 to 63.
        for (const QChar c : text.toUpper().leftJustified(characters, QLatin1Char('@'), true)) {
            const int code = c.unicode();
            add(code >= 64 && code < 96 ? code - 64 : (code >= 32 && code < 64 ? code : 0), 6);
        }
    }

    QString sentence() const
    {
        const int fill = (6 - m_bits.size() % 6) % 6;
        const QString bits = m_bits + QString(fill, QLatin1Char('0'));
        QString payload;
        for (int i = 0; i < bits.size(); i += 6) {
            const int value = bits.mid(i, 6).toInt(nullptr, 2);
            payload += QChar(value < 40 ? value + 48 : value + 56);
        }
        return QStringLiteral("!AIVDO,1,1,,,%1,%2").arg(payload).arg(fill);
    }

private:
    QString m_bits;
};

QStringList AisReports::position(const QString& mmsi, double latitude, double longitude, double sogKnots,
    double cogDegrees, int second)
{
    Bits bits;
    bits.add(18, 6);
    bits.add(0, 2);
    bits.add(mmsi.toLongLong(), 30);
    bits.add(0, 8);
    bits.add(qMin(qRound(sogKnots * 10), 1022), 10); // 1023 would say "not available"
    bits.add(0, 1);
    bits.add(qRound64(longitude * 600000) & 0xFFFFFFF, 28);
    bits.add(qRound64(latitude * 600000) & 0x7FFFFFF, 27);
    bits.add(qRound(cogDegrees * 10) % 3600, 12);
    bits.add(511, 9); // no heading sensor
    bits.add(second % 60, 6);
    bits.add(0, 2);
    // Carrier-sense unit without display or DSC, whole band, message 22
    // handled, not assigned, no RAIM; then its fixed radio status.
    bits.add(0b1001100, 7);
    bits.add(0b11100000000000000110, 20);
    return {QStringLiteral("Position Message transmitted"), bits.sentence()};
}

AisReports::Bits AisReports::staticDataPart(const DeviceSettings& settings, int part)
{
    Bits bits;
    bits.add(24, 6);
    bits.add(0, 2);
    bits.add(settings.value(QStringLiteral("mmsi")).toLongLong(), 30);
    bits.add(part, 2);
    return bits;
}

QStringList AisReports::staticData(const DeviceSettings& settings)
{
    Bits partA = staticDataPart(settings, 0);
    partA.addText(settings.value(QStringLiteral("vesselName")), 20);
    Bits partB = staticDataPart(settings, 1);
    partB.add(settings.number(QStringLiteral("vesselType")), 8);
    partB.addText(QString(), 3); // no vendor
    partB.add(0, 24); // unit model and serial number
    partB.addText(settings.value(QStringLiteral("callSign")), 7);
    partB.add(settings.number(QStringLiteral("dimensionA")), 9);
    partB.add(settings.number(QStringLiteral("dimensionB")), 9);
    partB.add(settings.number(QStringLiteral("dimensionC")), 6);
    partB.add(settings.number(QStringLiteral("dimensionD")), 6);
    partB.add(1, 4); // GPS as the position source
    partB.add(0, 2);
    return { QStringLiteral("Static Data Message transmitted, part A"), partA.sentence(),
        QStringLiteral("Static Data Message transmitted, part B"), partB.sentence() };
}

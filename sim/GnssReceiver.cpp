#include "GnssReceiver.h"

#include <QtMath>

#include <cmath>

namespace {

// The satellites in view; their positions drift slowly with the cycles.
const QList<int> gpsPrns = {2, 5, 7, 9, 13, 15, 20, 24, 28, 30, 46};
const QList<int> glonassPrns = {65, 66, 72, 74, 75, 81, 82};
constexpr int sbasPrn = 46;

QString coordinate(double value, int degreeDigits)
{
    const double magnitude = qAbs(value);
    const int degrees = static_cast<int>(magnitude);
    return QStringLiteral("%1%2")
        .arg(degrees, degreeDigits, 10, QLatin1Char('0'))
        .arg((magnitude - degrees) * 60.0, 8, 'f', 5, QLatin1Char('0'));
}

} // namespace

GnssReceiver::GnssReceiver(double latitude, double longitude, double speedKnots)
    : m_latitude(latitude)
    , m_longitude(longitude)
    , m_speedKnots(speedKnots)
{
}

void GnssReceiver::setTextMessages(int everyCycles, bool leadingField)
{
    m_textEvery = everyCycles;
    m_textLeadingField = leadingField;
}

QStringList GnssReceiver::cycle(const QDateTime& utc)
{
    const QList<Satellite> gps = sky(gpsPrns);
    const QList<Satellite> glonass = sky(glonassPrns);

    QStringList sentences {rmc(utc)};
    sentences << gsa(gps, glonass) << gsv(QStringLiteral("GP"), gps) << gsv(QStringLiteral("GL"), glonass);
    if (m_textEvery > 0 && m_cycles % m_textEvery == 0)
        sentences << txt();
    ++m_cycles;
    advance();
    return sentences;
}

QList<GnssReceiver::Satellite> GnssReceiver::sky(const QList<int>& prns) const
{
    QList<Satellite> satellites;
    for (const int prn : prns) {
        const double phase = prn * 0.7 + m_cycles / 600.0;
        Satellite now {prn, 0, 0, 0};
        now.elevation = 5 + static_cast<int>(80 * qAbs(qSin(phase)));
        now.azimuth = (prn * 37 + m_cycles / 20) % 360;
        // Low satellites and every fourth one are heard but not tracked.
        const bool tracked = now.elevation > 12 && prn % 4 != 1;
        now.snr = tracked ? 20 + now.elevation / 3 + (m_cycles + prn) % 5 : 0;
        if (prn == sbasPrn) {
            now.elevation = 31;
            now.azimuth = 198;
            now.snr = 37;
        }
        satellites.append(now);
    }
    return satellites;
}

QString GnssReceiver::rmc(const QDateTime& utc) const
{
    return QStringLiteral("$GNRMC,%1,A,%2,%3,%4,%5,%6,%7,%8,,,A")
        .arg(utc.toString(QStringLiteral("hhmmss.zzz")).left(9),
            coordinate(m_latitude, 2), m_latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"),
            coordinate(m_longitude, 3), m_longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"),
            QString::number(m_speedKnots, 'f', 2), QString::number(m_course, 'f', 2),
            utc.toString(QStringLiteral("ddMMyy")));
}

QStringList GnssReceiver::gsa(const QList<Satellite>& gps, const QList<Satellite>& glonass) const
{
    QStringList sentences;
    for (const QList<Satellite>* system : {&gps, &glonass}) {
        QStringList used;
        for (const Satellite& s : *system) {
            if (s.snr > 0 && s.prn != sbasPrn && used.size() < 12)
                used << QStringLiteral("%1").arg(s.prn, 2, 10, QLatin1Char('0'));
        }
        while (used.size() < 12)
            used << QString();
        sentences << QStringLiteral("$GNGSA,A,3,%1,1.6,0.9,1.3").arg(used.join(QLatin1Char(',')));
    }
    return sentences;
}

QStringList GnssReceiver::gsv(const QString& talker, const QList<Satellite>& satellites)
{
    QStringList sentences;
    const int total = (satellites.size() + 3) / 4;
    for (int n = 0; n < total; ++n) {
        QString body = QStringLiteral("$%1GSV,%2,%3,%4").arg(talker).arg(total).arg(n + 1).arg(satellites.size(), 2, 10, QLatin1Char('0'));
        for (int i = n * 4; i < qMin(n * 4 + 4, satellites.size()); ++i) {
            const Satellite& s = satellites.at(i);
            body += QStringLiteral(",%1,%2,%3,%4")
                        .arg(s.prn, 2, 10, QLatin1Char('0'))
                        .arg(s.elevation, 2, 10, QLatin1Char('0'))
                        .arg(s.azimuth, 3, 10, QLatin1Char('0'))
                        .arg(s.snr > 0 ? QStringLiteral("%1").arg(s.snr, 2, 10, QLatin1Char('0')) : QString());
        }
        sentences << body;
    }
    return sentences;
}

QStringList GnssReceiver::txt() const
{
    const QStringList parts = {QStringLiteral("GNSS RECEIVER FW 3.01^2C BUILD 0412"),
        QStringLiteral("ANTENNA OK^2C SBAS ON"), QStringLiteral("JAMMING INDICATOR 4")};
    const QString lead = m_textLeadingField ? QStringLiteral("00,") : QString();
    QStringList sentences;
    for (int i = 0; i < parts.size(); ++i) {
        sentences << QStringLiteral("$GPTXT,%1%2,%3,01,%4")
                         .arg(lead)
                         .arg(parts.size(), 2, 10, QLatin1Char('0'))
                         .arg(i + 1, 2, 10, QLatin1Char('0'))
                         .arg(parts.at(i));
    }
    return sentences;
}

void GnssReceiver::advance()
{
    const double metres = m_speedKnots * 1852.0 / 3600.0;
    const double course = qDegreesToRadians(m_course);
    m_latitude += metres * qCos(course) / 111120.0;
    m_longitude += metres * qSin(course) / (111120.0 * qMax(0.01, qCos(qDegreesToRadians(m_latitude))));
    m_course = std::fmod(m_course + 0.4 * qSin(m_cycles / 90.0) + 360.0, 360.0);
}

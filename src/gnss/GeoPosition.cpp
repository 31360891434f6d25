#include "gnss/GeoPosition.h"

#include <QtMath>

namespace {

const QChar degreeSign(0x00B0);

// Degrees, minutes and seconds of |value|. The seconds are deliberately not
// carried into the minutes, so 59.999 seconds prints as 60.00.
QString dmsText(double value, int degreeDigits, const QString& hemisphere)
{
    const double absolute = qAbs(value);
    const int degrees = static_cast<int>(absolute);
    const double minutes = (absolute - degrees) * 60.0;
    const int wholeMinutes = static_cast<int>(minutes);
    const double seconds = (minutes - wholeMinutes) * 60.0;
    return QStringLiteral("%1%2 %3' %L4\" %5")
        .arg(degrees, degreeDigits, 10, QLatin1Char('0'))
        .arg(degreeSign)
        .arg(wholeMinutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 5, 'f', 2, QLatin1Char('0'))
        .arg(hemisphere);
}

QString dmText(double value, int degreeDigits, const QString& hemisphere)
{
    const double absolute = qAbs(value);
    const int degrees = static_cast<int>(absolute);
    const double minutes = (absolute - degrees) * 60.0;
    return QStringLiteral("%1%2 %L3' %4")
        .arg(degrees, degreeDigits, 10, QLatin1Char('0'))
        .arg(degreeSign)
        .arg(minutes, 6, 'f', 3, QLatin1Char('0'))
        .arg(hemisphere);
}

const int latitudeDegreeDigits = 2;
const int longitudeDegreeDigits = 3;

} // namespace

GeoPosition::GeoPosition(QObject* parent)
    : QObject(parent)
{
}

void GeoPosition::setLatitude(double latitude)
{
    m_latitude = (latitude >= -90.0 && latitude <= 90.0) ? latitude : 0.0;
}

void GeoPosition::setLongitude(double longitude)
{
    m_longitude = (longitude >= -180.0 && longitude <= 180.0) ? longitude : 0.0;
}

QString GeoPosition::latitudeHemisphere() const
{
    return m_latitude >= 0.0 ? tr("N") : tr("S");
}

QString GeoPosition::longitudeHemisphere() const
{
    return m_longitude >= 0.0 ? tr("E") : tr("W");
}

QString GeoPosition::latitudeDmsText() const
{
    return dmsText(m_latitude, latitudeDegreeDigits, latitudeHemisphere());
}

QString GeoPosition::latitudeDmText() const
{
    return dmText(m_latitude, latitudeDegreeDigits, latitudeHemisphere());
}

QString GeoPosition::longitudeDmsText() const
{
    return dmsText(m_longitude, longitudeDegreeDigits, longitudeHemisphere());
}

QString GeoPosition::longitudeDmText() const
{
    return dmText(m_longitude, longitudeDegreeDigits, longitudeHemisphere());
}

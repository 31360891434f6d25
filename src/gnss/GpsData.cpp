#include "gnss/GpsData.h"

#include "gnss/GeoPosition.h"

namespace {

// Two-digit years below this one belong to the 21st century.
const int firstTwentiethCenturyYear = 80;

} // namespace

GpsData::GpsData(QObject* parent)
    : QObject(parent)
    , m_position(new GeoPosition(this))
{
    reset();
}

void GpsData::reset()
{
    m_time = QTime::fromString(QStringLiteral("000000"), QStringLiteral("hhmmss"));
    m_date = dateFromRmc(QStringLiteral("010100"));
    m_position->setLatitude(0.0);
    m_position->setLongitude(0.0);
    m_speedOverGround = 0.0;
    m_courseOverGround = 0.0;
}

bool GpsData::setCourseOverGround(double degrees)
{
    if (!(degrees >= 0.0 && degrees < 360.0)) {
        return false;
    }
    m_courseOverGround = degrees;
    return true;
}

int GpsData::modeFromLetter(QChar letter)
{
    static const QString letters = QStringLiteral("ADEFMNPRS");
    const int mode = letters.indexOf(letter);
    return mode < 0 ? ModeNotValid : mode;
}

QDate GpsData::dateFromRmc(const QString& text)
{
    // Qt reads "yy" as 1900 to 1999, which would put every fix of this
    // century a hundred years back (and refuse 29 February 2000); the century
    // is therefore written out before the text is parsed.
    bool isNumber = false;
    const int year = text.mid(4).toInt(&isNumber);
    if (text.size() != 6 || !isNumber) {
        return QDate();
    }
    const QString century = year >= firstTwentiethCenturyYear ? QStringLiteral("19") : QStringLiteral("20");
    return QDate::fromString(text.left(4) + century + text.mid(4), QStringLiteral("ddMMyyyy"));
}

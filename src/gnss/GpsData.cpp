#include "gnss/GpsData.h"

#include "gnss/GeoPosition.h"

namespace {

// Two-digit years below this one belong to the 21st century.
const int firstTwentiethCenturyYear = 80;

// The three two-digit numbers at the start of "hhmmss" or "ddMMyy"; false
// unless the text starts with six ASCII digits. Qt's format parser gives the
// same values for such text at many times the cost, and the decoder reads two
// of these every second.
bool sixDigits(const QString& text, int (&parts)[3])
{
    if (text.size() < 6) {
        return false;
    }
    for (int i = 0; i < 6; ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')) {
            return false;
        }
    }
    for (int i = 0; i < 3; ++i) {
        parts[i] = text.at(2 * i).digitValue() * 10 + text.at(2 * i + 1).digitValue();
    }
    return true;
}

} // namespace

GpsData::GpsData(QObject* parent)
    : QObject(parent)
    , m_position(new GeoPosition(this))
{
    reset();
}

void GpsData::reset()
{
    m_time = QTime(0, 0, 0);
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
    int parts[3] = {};
    if (text.size() == 6 && sixDigits(text, parts)) {
        const int century = parts[2] >= firstTwentiethCenturyYear ? 1900 : 2000;
        return QDate(century + parts[2], parts[1], parts[0]);
    }
    bool isNumber = false;
    const int year = text.mid(4).toInt(&isNumber);
    if (text.size() != 6 || !isNumber) {
        return QDate();
    }
    const QString century = year >= firstTwentiethCenturyYear ? QStringLiteral("19") : QStringLiteral("20");
    return QDate::fromString(text.left(4) + century + text.mid(4), QStringLiteral("ddMMyyyy"));
}

QTime GpsData::timeFromRmc(const QString& text)
{
    int parts[3] = {};
    return sixDigits(text, parts) ? QTime(parts[0], parts[1], parts[2])
                                  : QTime::fromString(text.left(6), QStringLiteral("hhmmss"));
}

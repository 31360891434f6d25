#include "voyage/VoyageRecord.h"

#include "protocol/NmeaSentence.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace {

enum Field {
    Kind = 1,
    Time,
    Latitude,
    NorthSouth,
    Longitude,
    EastWest,
    Sog,
    Cog,
    Date,
    Battery,
    OffBracket,
    Sos,
    Geofence,
    PowerFail,
    IdError
};

QString fieldOf(const NmeaSentence& sentence, int index)
{
    QString text;
    sentence.fieldText(index, text);
    return text;
}

bool isSet(const NmeaSentence& sentence, int index)
{
    return fieldOf(sentence, index) == QLatin1String("A");
}

// "ddmm.mmmm" (or "dddmm.mmmm") in degrees, negated by the hemisphere letter;
// the fallback when the field is empty, not a number or beyond the limit.
double angle(const NmeaSentence& sentence, int index, int degreeDigits, const QString& negative, double limit,
    double fallback)
{
    const QString text = fieldOf(sentence, index);
    bool degreesOk = false;
    bool minutesOk = false;
    const double degrees = QLocale::c().toDouble(text.left(degreeDigits), &degreesOk);
    const QString minuteText = text.mid(degreeDigits);
    const double minutes = QLocale::c().toDouble(minuteText, &minutesOk);
    if (!degreesOk || !(minutesOk || minuteText.isEmpty())) {
        return fallback;
    }
    const double value = (degrees + minutes / 60.0) * (fieldOf(sentence, index + 1) == negative ? -1.0 : 1.0);
    return std::fabs(value) <= limit ? value : fallback;
}

double decimal(const NmeaSentence& sentence, int index, double fallback)
{
    double value = 0.0;
    return sentence.fieldDouble(index, value) && std::isfinite(value) ? value : fallback;
}

// "ddmmyy", with the year taken into the century of today. Built from its
// parts, so that 29 February of a year ending in 00 survives.
QString isoDate(const QString& text, const QDate& today)
{
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    if (!sixDigits.match(text).hasMatch()) {
        return QString();
    }
    const QDate date(today.year() / 100 * 100 + text.midRef(4, 2).toInt(), text.midRef(2, 2).toInt(),
        text.leftRef(2).toInt());
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString isoTime(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("hhmmss"));
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

} // namespace

// $PKRX,VDR,123519,5130.1234,N,00012.3456,W,12.3,270.5,010126, 3.61,A,V,V,V,V*hh
bool VoyageRecord::decode(const QString& line, VoyageRecord& record, const QDate& today)
{
    const NmeaSentence sentence(line);
    if (!sentence.isValid() || sentence.talker() != QLatin1String("P")
        || sentence.identifier() != QLatin1String("KRX") || fieldOf(sentence, Kind) != QLatin1String("VDR")) {
        return false;
    }
    record = VoyageRecord();
    record.decodeFields(sentence, today);
    return true;
}

void VoyageRecord::decodeFields(const NmeaSentence& sentence, const QDate& today)
{
    time = isoTime(fieldOf(sentence, Time));
    date = isoDate(fieldOf(sentence, Date), today);
    latitude = angle(sentence, Latitude, 2, QStringLiteral("S"), 90.0, NoLatitude);
    longitude = angle(sentence, Longitude, 3, QStringLiteral("W"), 180.0, NoLongitude);
    sog = decimal(sentence, Sog, NoSog);
    cog = decimal(sentence, Cog, NoCog);
    // The firmware pads the voltage with leading blanks.
    const QString volts = fieldOf(sentence, Battery).replace(QLatin1Char(' '), QLatin1Char('0'));
    batterySent = !volts.isEmpty();
    batteryVolts = QLocale::c().toDouble(volts);
    offBracket = isSet(sentence, OffBracket);
    sos = isSet(sentence, Sos);
    geofence = isSet(sentence, Geofence);
    powerFail = isSet(sentence, PowerFail);
    idError = isSet(sentence, IdError);
}

#include "gnss/GPSDecoder.h"

#include "gnss/GeoPosition.h"
#include "gnss/GpsData.h"
#include "gnss/SatelliteData.h"
#include "protocol/NmeaSentence.h"

#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <iterator>

namespace {

const int gsaFixTypeField = 2;
const int gsaFirstUsedField = 3;
const int gsaLastUsedField = 14;

const int gsvInViewField = 3;
const int gsvFirstGroupField = 4;
const int gsvGroupFields = 4;
const int gsvMaxGroups = 4;

// A TXT message has at most 99 sentences; a receiver that never sends the
// first or last one must not make its entry grow without end.
const int maxTextMessageLength = 99 * NmeaSentence::MaxLength;

const int gsaPdopField = 15;
const int gsaSystemIdField = 18;

struct Talker {
    const char* name;
    int constellation;
};

// GN speaks for several systems at once; GB and BD are both BeiDou, QZ is
// the QZSS talker of receivers older than GQ.
const Talker gnssTalkers[] = {
    { "GP", SatelliteRecord::ConstellationGps },
    { "GN", SatelliteRecord::ConstellationOther },
    { "GL", SatelliteRecord::ConstellationGlonass },
    { "GA", SatelliteRecord::ConstellationGalileo },
    { "GB", SatelliteRecord::ConstellationBeiDou },
    { "BD", SatelliteRecord::ConstellationBeiDou },
    { "GQ", SatelliteRecord::ConstellationQzss },
    { "QZ", SatelliteRecord::ConstellationQzss },
};

// The constellation of a GNSS talker, or -1 for any other talker.
int constellationOf(QStringView talker)
{
    for (const Talker& known : gnssTalkers) {
        if (talker == QLatin1String(known.name)) {
            return known.constellation;
        }
    }
    return -1;
}

const char* const decodedIdentifiers[] = { "GSA", "GSV", "RMC", "TXT" };

// Where the sentence of a line from a GNSS talker begins, or -1 for any
// other line. A frame can begin only at the first start character of the
// line, and its address ends at the first separator.
int gnssSentenceStart(const QString& line)
{
    int start = 0;
    while (start < line.size() && line.at(start) != QLatin1Char('$') && line.at(start) != QLatin1Char('!')) {
        ++start;
    }
    const int end = start + 6;
    if (end >= line.size() || (line.at(end) != QLatin1Char(',') && line.at(end) != QLatin1Char('*'))
        || constellationOf(QStringView(line).mid(start + 1, 2)) < 0) {
        return -1;
    }
    return start;
}

// Whether the sentence at start is one the decoder reads, checked before the
// line is parsed: most of a receiver's output is GGA, GLL, VTG and
// proprietary sentences, and parsing them only to drop them would take most
// of the decoder's time.
bool isDecodedSentence(const QString& line, int start)
{
    const QStringView identifier = QStringView(line).mid(start + 3, 3);
    return std::any_of(std::begin(decodedIdentifiers), std::end(decodedIdentifiers),
        [&](const char* known) { return identifier == QLatin1String(known); });
}

// GSA fix types 2 and 3; anything else, also a value no receiver should
// send, is no fix.
int fixStatusOf(int fixType)
{
    switch (fixType) {
    case 2:
        return SatelliteData::Fix2D;
    case 3:
        return SatelliteData::Fix3D;
    default:
        return SatelliteData::FixNone;
    }
}

// "ddmm.mmm" (degreeDigits 2) or "dddmm.mmm" (3), negated when the next
// field starts with the negative hemisphere letter. Absent fields give 0.
double coordinate(const NmeaSentence& sentence, int field, int degreeDigits, QChar negativeHemisphere)
{
    QString text;
    sentence.fieldText(field, text);
    const double degrees = text.left(degreeDigits).toDouble() + text.mid(degreeDigits).toDouble() / 60.0;
    QString hemisphere;
    sentence.fieldText(field + 1, hemisphere);
    return hemisphere.startsWith(negativeHemisphere) ? -degrees : degrees;
}

} // namespace

GPSDecoder::GPSDecoder(QObject* parent)
    : QObject(parent)
    , m_rmcTimer(createTimer(&GPSDecoder::OnRMCTimeout))
    , m_gsaTimer(createTimer(&GPSDecoder::OnGSATimeout))
    , m_gsvTimer(createTimer(&GPSDecoder::OnGSVTimeout))
{
    for (int i = 0; i < TextMessageSlots; ++i) {
        m_textMessages.append(QString());
    }
}

QTimer* GPSDecoder::createTimer(void (GPSDecoder::*timeout)())
{
    auto* timer = new QTimer(this);
    timer->setInterval(DefaultTimeoutMs);
    connect(timer, &QTimer::timeout, this, timeout);
    return timer;
}

void GPSDecoder::setTimeoutInterval(int milliseconds)
{
    for (QTimer* timer : { m_rmcTimer, m_gsaTimer, m_gsvTimer }) {
        timer->setInterval(milliseconds);
    }
}

void GPSDecoder::reset()
{
    if (m_satelliteData) {
        m_satelliteData->clear();
    }
    if (m_gpsData) {
        m_gpsData->reset();
    }
    emit RecordsReset();
}

SatelliteData* GPSDecoder::satelliteData()
{
    if (!m_satelliteData) {
        m_satelliteData = new SatelliteData(this);
    }
    return m_satelliteData;
}

void GPSDecoder::OnReceived(QString received)
{
    const int start = gnssSentenceStart(received);
    if (start < 0) {
        return;
    }
    emit GnssSentenceReceived(received);
    if (!isDecodedSentence(received, start)) {
        return;
    }
    const NmeaSentence sentence(received);
    if (!sentence.isValid()) {
        return;
    }
    const QString identifier = sentence.identifier();
    if (identifier == QLatin1String("GSA") && !m_waitingForRmc) {
        decodeGsa(sentence);
    } else if (identifier == QLatin1String("GSV") && !m_waitingForRmc) {
        decodeGsv(sentence);
    } else if (identifier == QLatin1String("RMC")) {
        publishSatellites();
        decodeRmc(sentence);
        m_waitingForRmc = false;
    } else if (identifier == QLatin1String("TXT")) {
        decodeTxt(sentence);
    }
}

// The satellites of a cycle are complete when the next RMC arrives; they are
// published then and forgotten, so each cycle starts empty.
void GPSDecoder::publishSatellites()
{
    if (!m_satelliteData) {
        return;
    }
    m_satelliteData->markUsed();
    emit SatelliteDataReceived(m_satelliteData);
    m_satelliteData->clear();
}

// $GNGSA,A,3,01,11,31,14,22,32,04,25,03,,,,1.56,0.91,1.27*15
// $GNGSA,A,3,13,27,37,,,,,,,,,,1.5,0.9,1.2,4*39 (NMEA 4.10: system id)
// Used PRNs add up over the GSA sentences of one cycle (one per
// constellation) until the RMC publishes them.
void GPSDecoder::decodeGsa(const NmeaSentence& sentence)
{
    SatelliteData* data = satelliteData();
    m_gsaTimer->start();
    int fixType = 0;
    sentence.fieldInt(gsaFixTypeField, fixType);
    data->setFixStatus(fixStatusOf(fixType));
    const int constellation = gsaConstellation(sentence);
    for (int field = gsaFirstUsedField; field <= gsaLastUsedField; ++field) {
        int prn = 0;
        sentence.fieldInt(field, prn);
        data->addUsed(prn, constellation);
    }
    double dops[3] = {};
    for (int i = 0; i < 3; ++i) {
        sentence.fieldDouble(gsaPdopField + i, dops[i]);
    }
    data->setDops(dops[0], dops[1], dops[2]);
}

// Which constellation the used PRNs of a GSA belong to: the system id where
// one is sent, else the talker's own; GP, GL and GN sentences without a
// system id name PRNs of any constellation.
int GPSDecoder::gsaConstellation(const NmeaSentence& sentence)
{
    int systemId = 0;
    if (sentence.fieldInt(gsaSystemIdField, systemId) && systemId > SatelliteRecord::ConstellationOther
        && systemId < SatelliteRecord::ConstellationCount) {
        return systemId;
    }
    const int constellation = constellationOf(sentence.talker());
    return constellation > SatelliteRecord::ConstellationGlonass ? constellation
                                                                 : int(SatelliteRecord::ConstellationOther);
}

// $GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74
// $GPGSV,4,4,13,51,37,160,37,1*55 (NMEA 4.10: a signal id ends the sentence)
void GPSDecoder::decodeGsv(const NmeaSentence& sentence)
{
    SatelliteData* data = satelliteData();
    m_gsvTimer->start();
    const int constellation = constellationOf(sentence.talker());
    if (sentence.fieldCount() > gsvInViewField) {
        // Receivers that report several signals send one GSV series per
        // signal, each counting only the satellites heard on it; the widest
        // series of the cycle is the number in view.
        int inView = 0;
        sentence.fieldInt(gsvInViewField, inView);
        data->setInView(constellation, qMax(data->inView(constellation), inView));
    }
    // A lone field after the last complete group is the signal id, not the
    // PRN of another satellite.
    int fieldCount = sentence.fieldCount();
    if (fieldCount > gsvFirstGroupField && (fieldCount - gsvFirstGroupField) % gsvGroupFields == 1) {
        --fieldCount;
    }
    for (int group = 0; group < gsvMaxGroups; ++group) {
        const int firstField = gsvFirstGroupField + group * gsvGroupFields;
        if (firstField >= fieldCount) {
            break;
        }
        decodeGsvSatellite(sentence, firstField, constellation);
    }
}

// One group: PRN, elevation, azimuth, SNR. An SNR field that is present but
// empty means "not tracked"; one cut off by the end of the sentence does not.
void GPSDecoder::decodeGsvSatellite(const NmeaSentence& sentence, int firstField, int constellation)
{
    int prn = 0;
    int elevation = 0;
    int azimuth = 0;
    int snr = 0;
    sentence.fieldInt(firstField, prn);
    sentence.fieldInt(firstField + 1, elevation);
    sentence.fieldInt(firstField + 2, azimuth);
    const int snrField = firstField + 3;
    const bool tracked = sentence.fieldInt(snrField, snr) || snrField >= sentence.fieldCount();
    satelliteData()->updateSatellite(constellation, prn, elevation, azimuth, snr, tracked);
}

// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
// The status field is not consulted: a receiver without a fix sends empty
// position fields, which leave the values of the reset.
void GPSDecoder::decodeRmc(const NmeaSentence& sentence)
{
    if (!m_gpsData) {
        m_gpsData = new GpsData(this);
    }
    m_rmcTimer->start();
    m_gpsData->reset();

    QString text;
    if (sentence.fieldText(1, text)) {
        m_gpsData->setTime(GpsData::timeFromRmc(text));
    }
    m_gpsData->position()->setLatitude(coordinate(sentence, 3, 2, QLatin1Char('S')));
    m_gpsData->position()->setLongitude(coordinate(sentence, 5, 3, QLatin1Char('W')));
    double speed = 0.0;
    sentence.fieldDouble(7, speed);
    m_gpsData->setSpeedOverGround(qIsFinite(speed) ? speed : 0.0);
    double course = 0.0;
    sentence.fieldDouble(8, course);
    m_gpsData->setCourseOverGround(course);
    if (sentence.fieldText(9, text)) {
        m_gpsData->setDate(GpsData::dateFromRmc(text));
    }
    QChar mode;
    if (sentence.fieldCount() > 12) {
        sentence.fieldChar(12, mode);
        m_gpsData->setModeIndicator(GpsData::modeFromLetter(mode));
    }
    emit GpsDataReceived(m_gpsData);
}

// $GPTXT,01,01,02,u-blox ag - www.u-blox.com*50
// Receivers send sentence count, sentence number, message id and text in
// fields 1 to 4; the Identifier's own layout has them one field later. A
// sentence with a field 5 is taken to be in the Identifier's layout.
void GPSDecoder::decodeTxt(const NmeaSentence& sentence)
{
    const int countField = sentence.fieldCount() > 5 ? 2 : 1;
    int count = 0;
    int number = 0;
    int id = 0;
    QString text;
    if (!sentence.fieldInt(countField, count) || !sentence.fieldInt(countField + 1, number)) {
        return;
    }
    sentence.fieldInt(countField + 2, id);
    if (!sentence.fieldText(countField + 3, text) || id < 0 || id >= TextMessageSlots) {
        return;
    }
    text = NmeaSentence::unescape(QString::fromLatin1(text.toLatin1()));
    QString& message = m_textMessages[id];
    if (number == 1) {
        message = text;
    } else if (message.size() + text.size() <= maxTextMessageLength) {
        message += text;
    }
    if (number == count) {
        emit GPSTextMessageReceived(message);
    }
}

void GPSDecoder::OnRMCTimeout()
{
    m_rmcTimer->stop();
    if (m_gpsData) {
        m_gpsData->reset();
    }
    m_waitingForRmc = true;
    emit GpsDataReceived(nullptr);
}

void GPSDecoder::OnGSATimeout()
{
    m_gsaTimer->stop();
    if (m_satelliteData) {
        m_satelliteData->clearUsed();
    }
    emit SatelliteDataReceived(m_satelliteData);
}

void GPSDecoder::OnGSVTimeout()
{
    m_gsvTimer->stop();
    if (m_satelliteData) {
        m_satelliteData->clear();
    }
    emit SatelliteDataReceived(nullptr);
}

void GPSDecoder::onWaitForRmc()
{
    m_waitingForRmc = true;
}

#include "gnss/GnssRecording.h"

#include "gnss/GpsData.h"

#include <QList>

namespace {

const qint64 msPerDay = 24 * 3600 * 1000;
const qint64 defaultCycleMs = 1000;
// A longer gap between two RMC times is a spliced capture, not a pause.
const qint64 longestGapMs = 10 * 1000;
const int stampLength = 24; // 2026-12-08T13:10:00.123Z

bool isSentence(const QString& text)
{
    return text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1Char('!'));
}

// The time of day of an RMC sentence in milliseconds, fractions of a second
// included (receivers with several cycles a second send them), or -1 for
// any other line.
qint64 rmcTimeOfDay(const QString& sentence)
{
    if (sentence.midRef(3, 4) != QLatin1String("RMC,")) {
        return -1;
    }
    const QString field = sentence.section(QLatin1Char(','), 1, 1);
    const QTime time = GpsData::timeFromRmc(field);
    if (!time.isValid()) {
        return -1;
    }
    const double fraction = field.midRef(6).startsWith(QLatin1Char('.')) ? field.midRef(6).toDouble() : 0.0;
    return time.msecsSinceStartOfDay() + qRound(fraction * 1000);
}

// How far the replay moves on for a gap between two times: a longer gap is a
// spliced capture or a pause of the recording, not worth waiting for.
qint64 step(qint64 gapMs)
{
    return gapMs > 0 && gapMs <= longestGapMs ? gapMs : defaultCycleMs;
}

} // namespace

GnssRecording::GnssRecording(int maxBytes)
    : m_maxBytes(maxBytes)
{
}

bool GnssRecording::append(const QDateTime& received, const QString& line)
{
    const QByteArray entry
        = received.toUTC().toString(Qt::ISODateWithMs).toLatin1() + ' ' + line.trimmed().toLatin1() + '\n';
    if (m_bytes.size() + entry.size() > m_maxBytes) {
        return false;
    }
    m_bytes += entry;
    ++m_sentences;
    return true;
}

void GnssRecording::clear()
{
    m_bytes.clear();
    m_sentences = 0;
}

QVector<GnssRecording::Entry> GnssRecording::parse(const QByteArray& content)
{
    QVector<Entry> entries;
    qint64 lastStamp = -1;
    qint64 offset = 0;
    qint64 lastRmc = -1;
    for (const QByteArray& raw : content.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        const QDateTime stamp = QDateTime::fromString(line.left(stampLength), Qt::ISODateWithMs);
        const QString sentence = stamp.isValid() ? line.mid(stampLength).trimmed() : line;
        if (!isSentence(sentence)) {
            continue;
        }
        if (stamp.isValid()) {
            const qint64 time = stamp.toMSecsSinceEpoch();
            if (lastStamp >= 0 && time > lastStamp) {
                offset += step(time - lastStamp);
            }
            lastStamp = qMax(lastStamp, time);
        } else if (const qint64 rmc = rmcTimeOfDay(sentence); rmc >= 0) {
            if (lastRmc >= 0) {
                offset += step((rmc - lastRmc + msPerDay) % msPerDay);
            }
            lastRmc = rmc;
        }
        entries.append({ offset, sentence });
    }
    return entries;
}

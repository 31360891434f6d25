#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// Received GNSS sentences with their time stamps, one a line:
//   2026-12-08T13:10:00.123Z $GPRMC,...*hh
// and the reading of such a recording, or of any NMEA log, back into the
// sentences with the time each is due.
class GnssRecording {
public:
    // A few hours of a receiver's output; the recording refuses more.
    static constexpr int DefaultMaxBytes = 32 * 1024 * 1024;

    struct Entry {
        // Milliseconds after the first sentence.
        qint64 offsetMs = 0;
        QString sentence;
    };

    explicit GnssRecording(int maxBytes = DefaultMaxBytes);

    // Adds one received line; false, keeping nothing, once it would pass
    // the limit.
    bool append(const QDateTime& received, const QString& line);
    const QByteArray& bytes() const { return m_bytes; }
    int sentenceCount() const { return m_sentences; }
    void clear();

    // Lines that do not hold a sentence (headers, blank lines) are skipped.
    // Without time stamps a log keeps the pace of its RMC times. A gap of
    // more than ten seconds, or a time that goes back, counts as a second.
    static QVector<Entry> parse(const QByteArray& content);

private:
    int m_maxBytes;
    QByteArray m_bytes;
    int m_sentences = 0;
};

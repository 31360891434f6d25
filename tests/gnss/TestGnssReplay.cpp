// Recording received GNSS sentences and playing them back: a replay must
// leave the view with what the live run showed.
#include "GnssRecorder.h"
#include "gnss/GnssReplay.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Every publication as text, so that two runs compare field by field and a
// difference reads plainly.
QStringList describe(const GnssRecorder& recorder)
{
    QStringList lines;
    for (const auto& fix : recorder.fixes) {
        lines.append(fix ? QStringLiteral("fix %1 %2 %3 %4 %5 %6")
                               .arg(fix->time.toString(), fix->date.toString(Qt::ISODate))
                               .arg(fix->latitude, 0, 'f', 9)
                               .arg(fix->longitude, 0, 'f', 9)
                               .arg(fix->speedKnots)
                               .arg(fix->course)
                         : QStringLiteral("fix none"));
    }
    for (const auto& sky : recorder.skies) {
        QString line = sky ? QStringLiteral("sky %1 %2 %3 %4 %5 %6 %7:")
                                 .arg(sky->fixStatus)
                                 .arg(sky->totalInView)
                                 .arg(sky->inUse)
                                 .arg(sky->tracked)
                                 .arg(sky->pdop)
                                 .arg(sky->hdop)
                                 .arg(sky->vdop)
                           : QStringLiteral("sky none");
        for (const SatelliteRecord& satellite : sky ? sky->heard() : QVector<SatelliteRecord>()) {
            line += QStringLiteral(" %1/%2/%3/%4/%5/%6/%7")
                        .arg(satellite.constellation)
                        .arg(satellite.prn)
                        .arg(satellite.elevation)
                        .arg(satellite.azimuth)
                        .arg(satellite.snr)
                        .arg(satellite.tracked)
                        .arg(satellite.used);
        }
        lines.append(line);
    }
    return lines + recorder.texts;
}

} // namespace

class TestGnssReplay : public QObject {
    Q_OBJECT

private slots:
    void replayShowsWhatTheLiveRunShowed()
    {
        QFile capture(QStringLiteral(TESTDATA_DIR "/nmea/quectel-l76k-nmea.log"));
        QVERIFY(capture.open(QIODevice::ReadOnly));
        GPSDecoder live;
        GnssRecorder liveRecords(live);
        GnssRecording recording;
        connect(&live, &GPSDecoder::GnssSentenceReceived, this,
            [&](const QString& line) { QVERIFY(recording.append(QDateTime::currentDateTimeUtc(), line)); });
        while (!capture.atEnd()) {
            live.OnReceived(QString::fromLatin1(capture.readLine()));
        }
        QVERIFY(liveRecords.skies.size() > 100);

        GPSDecoder replayed;
        GnssRecorder replayedRecords(replayed);
        GnssReplay replay;
        connect(&replay, &GnssReplay::sentence, &replayed, &GPSDecoder::OnReceived);
        QSignalSpy finished(&replay, &GnssReplay::finished);
        const QVector<GnssRecording::Entry> entries = GnssRecording::parse(recording.bytes());
        QCOMPARE(entries.size(), recording.sentenceCount());
        replay.start(entries);
        QVERIFY(finished.wait(30000));
        QCOMPARE(describe(replayedRecords), describe(liveRecords));
    }

    // Time stamps give the pace; a log without them keeps the pace of its
    // RMC times, across midnight; a long gap or a jump back counts as one
    // second.
    void replayPace_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<qint64>>("offsets");
        QTest::newRow("recording") << QByteArray("2026-12-08T23:59:59.500Z $GPGSV,1\n# note\n\n"
                                                 "2026-12-08T23:59:59.750Z $GPRMC,1\n"
                                                 "2026-12-09T00:00:01.500Z !GPTXT,1\n"
                                                 "2026-12-09T02:00:00.000Z $GPRMC,2\n")
                                   << QList<qint64> { 0, 250, 2000, 3000 };
        QTest::newRow("log") << QByteArray(
            "$GPGSA,1\r\n$GPRMC,235959.50,A\r\n$GPGSV,1\r\n$GNRMC,000000.25,A\n"
            "noise\n$GPRMC,080000,A\n$GPRMC,,V\n$GPRMC,080000.2,A\n")
                             << QList<qint64> { 0, 0, 0, 750, 1750, 1750, 1950 };
    }

    void replayPace()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<qint64>, offsets);
        QList<qint64> parsed;
        for (const GnssRecording::Entry& entry : GnssRecording::parse(content)) {
            parsed.append(entry.offsetMs);
        }
        QCOMPARE(parsed, offsets);
    }

    void recordingIsBounded()
    {
        const QDateTime time(QDate(2026, 12, 8), QTime(13, 10), Qt::UTC);
        GnssRecording recording(60);
        QVERIFY(recording.append(time, QStringLiteral("$GPGSA,A,1*1E\r\n")));
        QCOMPARE(recording.bytes(), QByteArray("2026-12-08T13:10:00.000Z $GPGSA,A,1*1E\n"));
        QVERIFY(!recording.append(time, QStringLiteral("$GPGSA,A,1*1E")));
        QCOMPARE(recording.sentenceCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestGnssReplay)
#include "TestGnssReplay.moc"

// Feeds captures of real GNSS receivers through the decoder line by line and
// compares what it publishes with the reference decoding stored beside each
// capture (NAME.log.chk: every sentence echoed, followed by the JSON reports
// the reference decoder emitted after it; see tests/data/nmea/SOURCES.md).
#include "GnssRecorder.h"
#include "protocol/NmeaSentence.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const double metresPerSecondPerKnot = 1852.0 / 3600.0;

// One sentence of a capture as the reference echoed it, the reports the
// reference emitted after it, and what our decoder published for it.
struct Step {
    QString sentence;
    QVector<QJsonObject> reports;
    std::optional<PublishedFix> fix;
    std::optional<PublishedSky> sky;
    QStringList texts;

    bool is(const char* identifier) const { return sentence.midRef(3, 3) == QLatin1String(identifier); }
};

// Satellites are told apart by talker and number, as the decoder's slots
// are. The reference numbers GPS 0, SBAS 1 and GLONASS 6 by their PRN, and
// Galileo 2, BeiDou 3 and QZSS 5 by their number within the system (svid),
// which BeiDou's GB talker sends 200 higher and QZSS's QZ talker 192 higher.
using SatelliteKey = QPair<int, int>;

SatelliteKey ourKey(const SatelliteRecord& satellite)
{
    int number = satellite.prn;
    if (satellite.constellation == SatelliteRecord::ConstellationBeiDou && number > 200) {
        number -= 200;
    } else if (satellite.constellation == SatelliteRecord::ConstellationQzss && number > 192) {
        number -= 192;
    }
    return SatelliteKey(satellite.constellation, number);
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    while (!file.atEnd()) {
        lines.append(QString::fromLatin1(file.readLine()));
    }
    return lines;
}

QVector<Step> readReference(const QString& path)
{
    QVector<Step> steps;
    for (const QString& line : readLines(path)) {
        if (!line.startsWith(QLatin1Char('{'))) {
            steps.append(Step { line.trimmed(), {}, {}, {}, {} });
        } else if (!steps.isEmpty()) {
            steps.last().reports.append(QJsonDocument::fromJson(line.toUtf8()).object());
        }
    }
    return steps;
}

QTime wholeSeconds(const QTime& time)
{
    return time.addMSecs(-time.msec());
}

QDateTime reportTime(const QJsonObject& report)
{
    return QDateTime::fromString(report.value(QLatin1String("time")).toString(), Qt::ISODateWithMs);
}

SatelliteKey referenceKey(const QJsonObject& satellite)
{
    const int prn = satellite.value(QLatin1String("PRN")).toInt();
    const int svid = satellite.value(QLatin1String("svid")).toInt();
    switch (satellite.value(QLatin1String("gnssid")).toInt()) {
    case 0:
    case 1:
        return SatelliteKey(SatelliteRecord::ConstellationGps, prn);
    case 2:
        return SatelliteKey(SatelliteRecord::ConstellationGalileo, svid);
    case 3:
        return SatelliteKey(SatelliteRecord::ConstellationBeiDou, svid);
    case 5:
        return SatelliteKey(SatelliteRecord::ConstellationQzss, svid);
    default:
        return SatelliteKey(SatelliteRecord::ConstellationGlonass, prn);
    }
}

// The SNR of every satellite group of the GSV sentences, the last one winning.
void collectGsvSnrs(const QString& line, QMap<SatelliteKey, int>& snrs)
{
    const NmeaSentence sentence(line);
    const int constellation = sentence.talker() == QLatin1String("GL") ? SatelliteRecord::ConstellationGlonass
                                                                       : SatelliteRecord::ConstellationGps;
    for (int field = 4; field + 3 < sentence.fieldCount(); field += 4) {
        int prn = 0;
        int snr = 0;
        if (sentence.fieldInt(field, prn)) {
            sentence.fieldInt(field + 3, snr);
            snrs.insert(SatelliteKey(constellation, prn), snr);
        }
    }
}

} // namespace

class TestGpsDecoderCaptures : public QObject {
    Q_OBJECT

private slots:
    void agreesWithReference_data()
    {
        QTest::addColumn<QString>("name");
        // RMC sentences the reference reports no fix for. Our rules publish
        // every RMC, whatever its status; what they publish for these is
        // checked sentence by sentence in TestGpsDecoder:
        // - the capture ends inside the cycle of that RMC, before the GLL or
        //   GGA after which the reference reports (st-teseo, neo-m8n);
        // - lea-5h is spliced after 08:37:36: the next GGA is from 08:55:15,
        //   and the reference's report for that cycle carries the later time;
        // - quectel: 8 x "$GPRMC,,V,,,,,,,,,,N*53", no time and no position
        //   (we publish the reset record with an invalid time);
        // - sl869: 7 RMC with status V that still carry a position (we do
        //   not consult the status and publish that position);
        // - beidou-gb: 3 RMC with status V and no position, and the first
        //   fix, which the reference reports without a time;
        // - furuno-gt88: the first RMC, before the reference has a cycle, and
        //   the last, which ends the capture.
        QTest::addColumn<int>("unreportedFixes");
        // The reference moves dates before 2019 forward by 1024 GPS weeks
        // when it judges the receiver hit the week roll-over; our rules keep
        // the receiver's date.
        QTest::addColumn<int>("referenceDateShiftDays");
        // Cycles with GSV sentences for which the reference reports no
        // satellites: it waits for the end of a series that ublox-f9p cuts
        // short (see compareSky) and then drops the whole cycle.
        QTest::addColumn<int>("withheldSkies");
        // furuno-gt88 lists its Galileo satellites in a GSA with system id 3;
        // the reference takes that list for GPS/SBAS numbers, so which
        // satellites are in use is not compared there.
        QTest::addColumn<bool>("compareUse");
        QTest::newRow("beidou-gb") << "beidou-gb.log" << 4 << 7168 << 0 << true;
        QTest::newRow("bu353-glonass") << "bu353-glonass.log" << 0 << 0 << 0 << true;
        QTest::newRow("bu353s4") << "bu353s4.log" << 0 << 0 << 0 << true;
        QTest::newRow("furuno-gt88") << "furuno-gt88.log" << 2 << 0 << 0 << false;
        QTest::newRow("mt3339") << "mt3339.log" << 0 << 0 << 0 << true;
        QTest::newRow("neo-m8n") << "neo-m8n.log" << 1 << 7168 << 0 << true;
        QTest::newRow("quectel-l76k") << "quectel-l76k-nmea.log" << 0 << 0 << 0 << true;
        QTest::newRow("quectel") << "quectel.log" << 8 << 0 << 0 << true;
        QTest::newRow("sl869") << "sl869.log" << 7 << 0 << 0 << true;
        QTest::newRow("st-teseo-liv3f") << "st-teseo-liv3f.log" << 1 << 0 << 0 << true;
        QTest::newRow("ublox-f9p-hpnmea") << "ublox-f9p-hpnmea.log" << 0 << 0 << 2 << true;
        QTest::newRow("ublox-lea-5h") << "ublox-lea-5h.log" << 1 << 0 << 0 << true;
    }

    void agreesWithReference()
    {
        QFETCH(QString, name);
        QFETCH(int, unreportedFixes);
        QFETCH(int, referenceDateShiftDays);
        QFETCH(int, withheldSkies);
        QFETCH(bool, compareUse);
        m_compareUse = compareUse;
        QVector<Step> steps
            = readReference(QStringLiteral(TESTDATA_DIR "/nmea/") + name + QStringLiteral(".chk"));
        QVERIFY(!steps.isEmpty());
        feed(QStringLiteral(TESTDATA_DIR "/nmea/") + name, steps);
        if (QTest::currentTestFailed()) {
            return;
        }
        checkFixes(steps, unreportedFixes, referenceDateShiftDays);
        checkSkies(steps, withheldSkies);
        checkTexts(steps);
    }

private:
    // Every line of the capture goes in, header lines and malformed ones
    // included; only the sentences the reference accepted may publish.
    void feed(const QString& path, QVector<Step>& steps)
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        int next = 0;
        for (const QString& line : readLines(path)) {
            recorder.clear();
            decoder.OnReceived(line);
            for (const auto& published : recorder.fixes) {
                QVERIFY2(published, qPrintable(line));
            }
            for (const auto& published : recorder.skies) {
                QVERIFY2(published, qPrintable(line));
            }
            if (next < steps.size() && line.trimmed() == steps[next].sentence) {
                Step& step = steps[next++];
                QVERIFY2(step.is("RMC") || recorder.order.isEmpty(), qPrintable(line));
                step.fix = recorder.fixes.value(0);
                step.sky = recorder.skies.value(0);
                step.texts = recorder.texts;
            } else {
                QVERIFY2(recorder.order.isEmpty() && recorder.texts.isEmpty(), qPrintable(line));
            }
        }
        QCOMPARE(next, steps.size());
    }

    // The reference's fix for an RMC is the last position report carrying
    // the RMC's time before the next RMC (several receivers end their cycle
    // with GLL or GGA, after which the reference reports). Finding one proves
    // the time; the other values are compared where the report has them.
    void checkFixes(const QVector<Step>& steps, int unreportedFixes, int referenceDateShiftDays)
    {
        int unreported = 0;
        for (int i = 0; i < steps.size(); ++i) {
            if (!steps[i].is("RMC")) {
                continue;
            }
            QVERIFY2(steps[i].fix, qPrintable(steps[i].sentence));
            const PublishedFix& ours = *steps[i].fix;
            const QJsonObject tpv = referenceFix(steps, i, ours.time);
            if (tpv.isEmpty()) {
                ++unreported;
                continue;
            }
            const QString where = steps[i].sentence;
            QCOMPARE(ours.date.addDays(referenceDateShiftDays), reportTime(tpv).date());
            compareIfReported(tpv, "lat", ours.latitude, 1e-8, where);
            compareIfReported(tpv, "lon", ours.longitude, 1e-8, where);
            compareIfReported(tpv, "speed", ours.speedKnots * metresPerSecondPerKnot, 0.0006, where);
            compareIfReported(tpv, "track", ours.course, 0.0001, where);
        }
        QCOMPARE(unreported, unreportedFixes);
    }

    QJsonObject referenceFix(const QVector<Step>& steps, int rmc, const QTime& time)
    {
        QJsonObject found;
        for (int i = rmc; i < steps.size() && (i == rmc || !steps[i].is("RMC")); ++i) {
            for (const QJsonObject& report : steps[i].reports) {
                const QDateTime theirs = reportTime(report);
                if (report.value(QLatin1String("class")) == QLatin1String("TPV") && theirs.isValid()
                    && wholeSeconds(theirs.time()) == time) {
                    found = report;
                }
            }
        }
        return found;
    }

    void compareIfReported(
        const QJsonObject& tpv, const char* key, double ours, double tolerance, const QString& where)
    {
        const QJsonValue theirs = tpv.value(QLatin1String(key));
        if (!theirs.isUndefined() && qAbs(theirs.toDouble() - ours) > tolerance) {
            QFAIL(qPrintable(QStringLiteral("%1 %2: ours %3, reference %4")
                                 .arg(where, QLatin1String(key))
                                 .arg(ours, 0, 'f', 9)
                                 .arg(theirs.toDouble(), 0, 'f', 9)));
        }
    }

    // Our cycle ends at RMC: the set published at an RMC holds the GSA and
    // GSV sentences since the previous RMC. It is compared with the last
    // satellite report the reference made in the same stretch. Stretches
    // without GSV (receivers that send it only every fifth second) publish
    // no satellites, where the reference keeps showing its last report;
    // GSA and GSV before the first RMC are dropped by our gate.
    void checkSkies(const QVector<Step>& steps, int withheldSkies)
    {
        int previousRmc = -1;
        int compared = 0;
        int withheld = 0;
        for (int i = 0; i < steps.size(); ++i) {
            if (!steps[i].is("RMC")) {
                continue;
            }
            QJsonObject reference;
            QStringList unreportedGsv;
            bool hadGsv = false;
            for (int k = qMax(previousRmc, 0); k < i; ++k) {
                if (steps[k].is("GSV")) {
                    unreportedGsv.append(steps[k].sentence);
                    hadGsv = true;
                }
                for (const QJsonObject& report : steps[k].reports) {
                    if (report.contains(QLatin1String("satellites"))) {
                        reference = report;
                        unreportedGsv.clear();
                    }
                }
            }
            const bool firstCycle = previousRmc < 0;
            previousRmc = i;
            if (firstCycle) {
                QVERIFY(!steps[i].sky);
                continue;
            }
            QVERIFY(steps[i].sky);
            if (!reference.isEmpty()) {
                compareSky(*steps[i].sky, reference, unreportedGsv, steps[i].sentence);
                if (QTest::currentTestFailed()) {
                    return;
                }
                ++compared;
            } else if (hadGsv) {
                ++withheld;
            } else {
                QCOMPARE(steps[i].sky->inView(), 0);
                QCOMPARE(steps[i].sky->inUse, 0);
            }
        }
        QVERIFY(compared > 0);
        QCOMPARE(withheld, withheldSkies);
    }

    // A receiver that reports several signals repeats the satellites once
    // per signal; the reference lists each repetition, our slot keeps the
    // last. The reference reports only complete GSV series, while our rules
    // take every GSV sentence up to the RMC: ublox-f9p's GLONASS series for
    // its second signal is cut short (the receiver's "txbuf alloc" message),
    // so its satellites carry that signal's SNR, taken from those sentences.
    void compareSky(const PublishedSky& ours, const QJsonObject& reference, const QStringList& unreportedGsv,
        const QString& where)
    {
        QMap<SatelliteKey, QJsonObject> theirs;
        for (const QJsonValue& value : reference.value(QLatin1String("satellites")).toArray()) {
            theirs.insert(referenceKey(value.toObject()), value.toObject());
        }
        QMap<SatelliteKey, int> lateSnrs;
        for (const QString& line : unreportedGsv) {
            collectGsvSnrs(line, lateSnrs);
        }
        QMap<SatelliteKey, SatelliteRecord> mine;
        for (const SatelliteRecord& satellite : ours.heard()) {
            mine.insert(ourKey(satellite), satellite);
        }
        QCOMPARE(mine.keys(), theirs.keys());
        int theirInUse = 0;
        for (auto it = theirs.cbegin(); it != theirs.cend(); ++it) {
            const SatelliteRecord satellite = mine.value(it.key());
            const QJsonObject& their = it.value();
            const bool inUse = their.value(QLatin1String("used")).toBool();
            theirInUse += inUse ? 1 : 0;
            const QString what = QStringLiteral("%1 PRN %2").arg(where).arg(satellite.prn);
            QVERIFY2(satellite.elevation == their.value(QLatin1String("el")).toInt(), qPrintable(what));
            QVERIFY2(satellite.azimuth == their.value(QLatin1String("az")).toInt(), qPrintable(what));
            QVERIFY2(satellite.snr == lateSnrs.value(it.key(), their.value(QLatin1String("ss")).toInt()),
                qPrintable(what));
            // A satellite the receiver lists in GSA but sends no SNR for is
            // "used" in our record (it was listed) but counts as in use for
            // neither decoder.
            QVERIFY2(!m_compareUse || (satellite.tracked && satellite.used) == inUse, qPrintable(what));
        }
        QCOMPARE(ours.inView(), theirs.size());
        if (m_compareUse) {
            QCOMPARE(ours.inUse, theirInUse);
        }
    }

    // The reference does not report TXT; every single-sentence message in
    // the standard layout must come out once, unescaped, as its text field.
    void checkTexts(const QVector<Step>& steps)
    {
        for (const Step& step : steps) {
            const QStringList expected = step.is("TXT")
                ? QStringList { step.sentence.section(QLatin1Char(','), 4).section(QLatin1Char('*'), 0, 0) }
                : QStringList();
            QCOMPARE(step.texts, expected);
        }
    }

    bool m_compareUse = true;
};

QTEST_GUILESS_MAIN(TestGpsDecoderCaptures)
#include "TestGpsDecoderCaptures.moc"

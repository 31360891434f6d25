#include "GnssRecorder.h"
#include "protocol/NmeaSentence.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// A body such as "$GPRMC,..." framed with its checksum, as the transport
// delivers the line.
QString line(const QString& body)
{
    return NmeaSentence::frame(body);
}

const QString munichRmc = QStringLiteral("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W");
const QString plainRmc = QStringLiteral("$GPRMC,120000,A,4807.038,N,01131.000,E,0.0,0.0,231221,,,A");
const int shortTimeoutMs = 200;

} // namespace

class TestGpsDecoder : public QObject {
    Q_OBJECT

private:
    // A decoder past its first RMC, so that GSA and GSV are taken.
    void startCycle(GPSDecoder& decoder) { decoder.OnReceived(line(plainRmc)); }

    PublishedSky publishedSky(GPSDecoder& decoder, GnssRecorder& recorder)
    {
        recorder.clear();
        decoder.OnReceived(line(plainRmc));
        if (recorder.skies.size() != 1 || !recorder.skies.first()) {
            qWarning("no satellite record published");
            return {};
        }
        return *recorder.skies.first();
    }

    // The satellites published at the RMC after the given sentences, in a
    // cycle that an RMC has opened.
    PublishedSky cycleOf(const QStringList& bodies)
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        for (const QString& body : bodies) {
            decoder.OnReceived(line(body));
        }
        return publishedSky(decoder, recorder);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GpsData*>();
        qRegisterMetaType<SatelliteData*>();
    }

    void rmcFields_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("course");
        QTest::addColumn<int>("mode");
        QTest::newRow("north east") << munichRmc << QTime(12, 35, 19) << QDate(1994, 3, 23) << 48.1173
                                    << 11.0 + 31.0 / 60.0 << 22.4 << 84.4 << int(GpsData::ModeNotValid);
        QTest::newRow("south west, fraction of a second dropped")
            << "$GNRMC,235959.75,A,3340.8472,S,07017.3205,W,1.5,359.9,291299,,,D" << QTime(23, 59, 59)
            << QDate(1999, 12, 29) << -(33.0 + 40.8472 / 60.0) << -(70.0 + 17.3205 / 60.0) << 1.5 << 359.9
            << int(GpsData::ModeDifferential);
        QTest::newRow("high precision, NMEA 4.10 status field")
            << "$GNRMC,014500.00,A,4404.1306024,N,12118.8446777,W,0.013,,231221,,,D,V" << QTime(1, 45)
            << QDate(2021, 12, 23) << 44.0 + 4.1306024 / 60.0 << -(121.0 + 18.8446777 / 60.0) << 0.013 << 0.0
            << int(GpsData::ModeDifferential);
        QTest::newRow("course of a full turn refused")
            << "$GPRMC,120000,A,,,,,5.0,360.0,010120,,,A" << QTime(12, 0) << QDate(2020, 1, 1) << 0.0 << 0.0
            << 5.0 << 0.0 << int(GpsData::ModeAutonomous);
        // The status is not consulted: a receiver that still sends its last
        // position with status V has it shown.
        QTest::newRow("status V with a position")
            << "$GPRMC,102136.000,V,3340.8472,S,15117.3205,E,0.0,0.0,251112,0.0,W" << QTime(10, 21, 36)
            << QDate(2012, 11, 25) << -(33.0 + 40.8472 / 60.0) << 151.0 + 17.3205 / 60.0 << 0.0 << 0.0
            << int(GpsData::ModeNotValid);
        QTest::newRow("every field empty") << "$GPRMC,,V,,,,,,,,,,N" << QTime() << QDate() << 0.0 << 0.0
                                           << 0.0 << 0.0 << int(GpsData::ModeNotValid);
        QTest::newRow("fields missing") << "$GPRMC,083000" << QTime(8, 30) << QDate(2000, 1, 1) << 0.0 << 0.0
                                        << 0.0 << 0.0 << int(GpsData::ModeNotValid);
        QTest::newRow("latitude out of range")
            << "$GPRMC,120000,A,9130.000,N,18100.000,E,,,010120,,,A" << QTime(12, 0) << QDate(2020, 1, 1)
            << 0.0 << 0.0 << 0.0 << 0.0 << int(GpsData::ModeAutonomous);
        QTest::newRow("speed not a number")
            << "$GPRMC,120000,A,,,,,nan,,010120,,,A" << QTime(12, 0) << QDate(2020, 1, 1) << 0.0 << 0.0 << 0.0
            << 0.0 << int(GpsData::ModeAutonomous);
    }

    void rmcFields()
    {
        QFETCH(QString, body);
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        decoder.OnReceived(line(body));
        QCOMPARE(recorder.fixes.size(), 1);
        QVERIFY(recorder.fixes.first());
        const PublishedFix fix = *recorder.fixes.first();
        QTEST(fix.time, "time");
        QTEST(fix.date, "date");
        QTEST(fix.latitude, "latitude");
        QTEST(fix.longitude, "longitude");
        QTEST(fix.speedKnots, "speed");
        QTEST(fix.course, "course");
        QTEST(fix.mode, "mode");
        QVERIFY(!decoder.isWaitingForRmc());
    }

    void rmcPositionTexts()
    {
        GPSDecoder decoder;
        QString latitude;
        QString longitude;
        connect(&decoder, &GPSDecoder::GpsDataReceived, this, [&](GpsData* data) {
            latitude = data->position()->latitudeDmText();
            longitude = data->position()->longitudeDmsText();
        });
        decoder.OnReceived(line(munichRmc));
        QCOMPARE(latitude, QStringLiteral("48° 07.038' N"));
        QCOMPARE(longitude, QStringLiteral("011° 31' 00.00\" E"));
    }

    void rmcWithoutModeKeepsTheLastMode()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPRMC,120000,A,,,,,,,010120,,,D")));
        decoder.OnReceived(line(QStringLiteral("$GPRMC,120001,A,,,,,,,010120,,")));
        decoder.OnReceived(line(QStringLiteral("$GPRMC,120002,A,,,,,,,010120,,,")));
        QCOMPARE(recorder.fixes.size(), 3);
        QCOMPARE(recorder.fixes[1]->mode, int(GpsData::ModeDifferential));
        QCOMPARE(recorder.fixes[2]->mode, int(GpsData::ModeNotValid));
    }

    void sentencesOfOtherKindsAreDropped_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::newRow("wrong checksum") << "$GPRMC,120000,A,,,,,,,010120,,,A*00";
        QTest::newRow("lower-case checksum")
            << QString(line(QStringLiteral("$GPRMC,120000,A,,,,,,,010120,,,A*")).toLower());
        QTest::newRow("no checksum") << "$GPRMC,120000,A,,,,,,,010120,,,A";
        QTest::newRow("instrument talker") << line(QStringLiteral("$IIRMC,120000,A,,,,,,,010120,,,A"));
        QTest::newRow("NavIC GSV") << line(QStringLiteral("$GIGSV,1,1,01,05,40,083,46"));
        QTest::newRow("proprietary") << line(QStringLiteral("$PSTMCPU,54.57,-1,98"));
        QTest::newRow("GGA") << line(
            QStringLiteral("$GPGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
        QTest::newRow("header line") << "# Chipset: MediaTek MT3339";
        QTest::newRow("empty") << "";
        QTest::newRow("too long") << line(
            QStringLiteral("$GPRMC,120000,A,4807.0380000,N,01131.0000000,E,0.0,0.0,"
                           "231221,,,A,V,aaaaaaaaaaaaa"));
    }

    void sentencesOfOtherKindsAreDropped()
    {
        QFETCH(QString, sentence);
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        recorder.clear();
        decoder.OnReceived(sentence);
        QVERIFY(recorder.order.isEmpty());
        // Nothing was collected either: the next RMC has no satellites to publish.
        decoder.OnReceived(line(plainRmc));
        QCOMPARE(recorder.order, QStringList { "fix" });
    }

    void gsaFixStatus_data()
    {
        QTest::addColumn<QString>("fixType");
        QTest::addColumn<int>("status");
        QTest::newRow("0") << "0" << int(SatelliteData::FixNone);
        QTest::newRow("1 no fix") << "1" << int(SatelliteData::FixNone);
        QTest::newRow("2D") << "2" << int(SatelliteData::Fix2D);
        QTest::newRow("3D") << "3" << int(SatelliteData::Fix3D);
        QTest::newRow("empty") << "" << int(SatelliteData::FixNone);
        QTest::newRow("out of range") << "4" << int(SatelliteData::FixNone);
        QTest::newRow("negative") << "-2" << int(SatelliteData::FixNone);
        QTest::newRow("huge") << "99999999999" << int(SatelliteData::FixNone);
    }

    void gsaFixStatus()
    {
        QFETCH(QString, fixType);
        QTEST(cycleOf({ QStringLiteral("$GPGSA,A,%1,01,,,,,,,,,,,,1.5,0.9,1.2").arg(fixType) }).fixStatus,
            "status");
    }

    void usedPrnsAddUpOverOneCycle()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GNGSA,A,3,01,11,,,,,,,,,,,1.56,0.91,1.27")));
        decoder.OnReceived(line(QStringLiteral("$GNGSA,A,3,67,83,,,,,,,,,,,1.56,0.91,1.27")));
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,03,01,53,280,36,11,40,245,29,12,05,034,20")));
        decoder.OnReceived(line(QStringLiteral("$GLGSV,1,1,02,67,62,349,26,83,27,309,")));
        const PublishedSky sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.inUse, 3);
        QCOMPARE(sky.tracked, 4);
        QVERIFY(sky.satellites[0].used && sky.satellites[1].used && !sky.satellites[2].used);
        QVERIFY(sky.satellites[3].used && sky.satellites[4].used && !sky.satellites[4].tracked);
        // Published, then forgotten: the next cycle starts empty.
        const PublishedSky next = publishedSky(decoder, recorder);
        QCOMPARE(next.inUse, 0);
        QCOMPARE(next.heard().size(), 0);
    }

    void recordsArePublishedBeforeTheFix()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        decoder.OnReceived(line(plainRmc));
        QCOMPARE(recorder.order, QStringList { "fix" });
        decoder.OnReceived(line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2")));
        recorder.clear();
        decoder.OnReceived(line(plainRmc));
        QCOMPARE(recorder.order, (QStringList { "sky", "fix" }));
    }

    void gsvGroups_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QList<int>>("prns");
        QTest::addColumn<QList<int>>("snrs");
        QTest::addColumn<QList<bool>>("tracked");
        QTest::addColumn<int>("inView");
        QTest::newRow("empty SNR at the end")
            << "$GPGSV,3,1,11,03,03,111,00,04,15,270,30,06,01,010," << QList<int> { 3, 4, 6 }
            << QList<int> { 0, 30, 0 } << QList<bool> { true, true, false } << 11;
        QTest::newRow("SNR cut off") << "$GPGSV,3,3,11,12,05,034" << QList<int> { 12 } << QList<int> { 0 }
                                     << QList<bool> { true } << 11;
        QTest::newRow("four groups") << "$GPGSV,4,1,13,01,53,280,36,03,29,301,24,04,55,223,37,08,38,166,16"
                                     << QList<int> { 1, 3, 4, 8 } << QList<int> { 36, 24, 37, 16 }
                                     << QList<bool> { true, true, true, true } << 13;
        QTest::newRow("empty trailing groups")
            << "$GPGSV,4,4,14,51,37,160,37,,,,,,,,,,,," << QList<int> { 51 } << QList<int> { 37 }
            << QList<bool> { true } << 14;
        // NMEA 4.10: a signal id ends the sentence. Read as a satellite
        // group, it would add a phantom satellite with that number.
        QTest::newRow("signal id after one group") << "$GPGSV,4,4,13,51,37,160,37,1" << QList<int> { 51 }
                                                   << QList<int> { 37 } << QList<bool> { true } << 13;
        QTest::newRow("signal id after two groups")
            << "$GPGSV,2,2,06,17,73,154,31,30,41,131,28,6" << QList<int> { 17, 30 } << QList<int> { 31, 28 }
            << QList<bool> { true, true } << 6;
        QTest::newRow("signal id after four groups")
            << "$GPGSV,4,1,13,01,25,070,31,07,13,130,23,13,48,243,32,14,66,049,33,1"
            << QList<int> { 1, 7, 13, 14 } << QList<int> { 31, 23, 32, 33 }
            << QList<bool> { true, true, true, true } << 13;
        QTest::newRow("signal id after an untracked group")
            << "$GPGSV,3,3,09,27,06,212,,1" << QList<int> { 27 } << QList<int> { 0 } << QList<bool> { false }
            << 9;
        QTest::newRow("no groups") << "$GPGSV,1,1,00" << QList<int>() << QList<int>() << QList<bool>() << 0;
        QTest::newRow("no count") << "$GPGSV,1,1" << QList<int>() << QList<int>() << QList<bool>() << 0;
    }

    void gsvGroups()
    {
        QFETCH(QString, body);
        QFETCH(QList<int>, prns);
        QFETCH(QList<int>, snrs);
        QFETCH(QList<bool>, tracked);
        const PublishedSky sky = cycleOf({ body });
        const QVector<SatelliteRecord> heard = sky.heard();
        QCOMPARE(heard.size(), prns.size());
        for (int i = 0; i < heard.size(); ++i) {
            QCOMPARE(heard[i].prn, prns[i]);
            QCOMPARE(heard[i].snr, snrs[i]);
            QCOMPARE(heard[i].tracked, tracked[i]);
            QCOMPARE(heard[i].constellation, int(SatelliteRecord::ConstellationGps));
        }
        QTEST(sky.gpsInView, "inView");
    }

    void gsvTalkers()
    {
        const PublishedSky sky
            = cycleOf({ "$GPGSV,1,1,02,01,53,280,36,40,29,301,24", "$GLGSV,1,1,02,67,62,349,26,01,10,100,20",
                // Talker GN: the second satellite takes the slot of the first.
                "$GNGSV,1,1,05,02,10,100,20", "$GNGSV,1,1,05,03,11,101,21",
                // The same satellite again: its slot is updated, not repeated.
                "$GPGSV,1,1,02,01,54,281,37" });
        const QVector<SatelliteRecord> heard = sky.heard();
        QCOMPARE(heard.size(), 5);
        QCOMPARE(heard[0].elevation, 54);
        QCOMPARE(heard[0].snr, 37);
        QVERIFY(heard[1].isSbas);
        QVERIFY(heard[2].isGlonass);
        QCOMPARE(heard[3].constellation, int(SatelliteRecord::ConstellationGlonass));
        QCOMPARE(heard[3].prn, 1);
        QCOMPARE(heard[4].prn, 3);
        QCOMPARE(heard[4].constellation, int(SatelliteRecord::ConstellationOther));
        QCOMPARE(sky.gpsInView, 2);
        QCOMPARE(sky.glonassInView, 2);
    }

    // Each satellite keeps its system; a GSA with a system id marks only
    // that system's satellites, one without marks the PRN in every system.
    void everyConstellation()
    {
        const PublishedSky sky = cycleOf({ "$GAGSV,1,1,01,05,40,083,46,7", "$GBGSV,1,1,01,205,27,091,40",
            "$BDGSV,1,1,02,40,10,100,30,07,11,101,31", "$GQGSV,1,1,01,02,50,150,35,1",
            "$QZGSV,1,1,01,193,34,332,", "$GPGSV,1,1,02,05,20,200,25,07,21,201,26",
            "$GNGSA,A,3,05,,,,,,,,,,,,1.6,0.9,1.3,3", "$GNGSA,A,3,07,,,,,,,,,,,,1.5,0.8,1.2" });
        const int galileo = SatelliteRecord::ConstellationGalileo;
        const int beidou = SatelliteRecord::ConstellationBeiDou;
        const int qzss = SatelliteRecord::ConstellationQzss;
        const int gps = SatelliteRecord::ConstellationGps;
        const QVector<QVector<int>> expected { // constellation, prn, used
            { galileo, 5, 1 }, { beidou, 205, 0 }, { beidou, 40, 0 }, { beidou, 7, 1 }, { qzss, 2, 0 },
            { qzss, 193, 0 }, { gps, 5, 0 }, { gps, 7, 1 }
        };
        const QVector<SatelliteRecord> heard = sky.heard();
        QCOMPARE(heard.size(), expected.size());
        for (int i = 0; i < heard.size(); ++i) {
            QCOMPARE((QVector<int> { heard[i].constellation, heard[i].prn, heard[i].used }), expected[i]);
            QVERIFY(!heard[i].isSbas && !heard[i].isGlonass);
        }
        QCOMPARE(sky.totalInView, 1 + 2 + 1 + 2);
        QCOMPARE(sky.inUse, 3);
        QCOMPARE((QVector<double> { sky.pdop, sky.hdop, sky.vdop }), (QVector<double> { 1.5, 0.8, 1.2 }));
    }

    // One GSV series per signal, each counting the satellites heard on it.
    void inViewIsTheWidestSeriesOfTheCycle()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSV,4,4,13,51,37,160,37,1")));
        decoder.OnReceived(line(QStringLiteral("$GPGSV,2,2,06,17,73,154,31,30,41,131,28,6")));
        decoder.OnReceived(line(QStringLiteral("$GLGSV,2,1,08,69,14,237,19,1")));
        decoder.OnReceived(line(QStringLiteral("$GLGSV,2,1,06,69,14,237,20,3")));
        PublishedSky sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.gpsInView, 13);
        QCOMPARE(sky.glonassInView, 8);
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,05,17,73,154,31")));
        sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.gpsInView, 5);
    }

    void thirtyThirdSatelliteIsDropped()
    {
        QStringList bodies;
        for (int prn = 1; prn <= 33; ++prn) {
            bodies.append(QStringLiteral("$GPGSV,9,1,33,%1,10,100,30").arg(prn, 2, 10, QChar('0')));
        }
        const QVector<SatelliteRecord> heard = cycleOf(bodies).heard();
        QCOMPARE(heard.size(), SatelliteData::SlotCount);
        QCOMPARE(heard.last().prn, 32);
    }

    void gateDropsSatellitesUntilTheNextRmc()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        QVERIFY(decoder.isWaitingForRmc());
        const QString gsa = line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2"));
        const QString gsv = line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36"));
        decoder.OnReceived(gsa);
        decoder.OnReceived(gsv);
        decoder.OnReceived(line(plainRmc));
        QCOMPARE(recorder.order, QStringList { "fix" });

        decoder.OnReceived(gsv);
        decoder.onWaitForRmc();
        QVERIFY(decoder.isWaitingForRmc());
        decoder.OnReceived(gsa);
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,02,53,280,36")));
        const PublishedSky sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.heard().size(), 1);
        QCOMPARE(sky.heard().first().prn, 1);
        QCOMPARE(sky.fixStatus, int(SatelliteData::FixNone));
        QVERIFY(!decoder.isWaitingForRmc());
    }

    void resetEmptiesTheRecords()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2")));
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36")));
        decoder.reset();
        QVERIFY(!decoder.isWaitingForRmc());
        const PublishedSky sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.heard().size(), 0);
        QCOMPARE(sky.fixStatus, int(SatelliteData::FixNone));
    }

    void txtMessages_data()
    {
        QTest::addColumn<QStringList>("bodies");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("standard layout")
            << QStringList { "$GPTXT,01,01,02,ANTSTATUS=OK" } << QStringList { "ANTSTATUS=OK" };
        QTest::newRow("standard layout, three sentences")
            << QStringList { "$GNTXT,03,01,07,one ", "$GNTXT,03,02,07,two ", "$GNTXT,03,03,07,three" }
            << QStringList { "one two three" };
        QTest::newRow("Identifier layout") << QStringList { "$GPTXT,0,02,01,55,first ",
            "$GPTXT,0,02,02,55,second" } << QStringList { "first second" };
        QTest::newRow("escapes undone")
            << QStringList { "$GPTXT,01,01,02,A^2CB^5E" } << QStringList { "A,B^" };
        QTest::newRow("empty text") << QStringList { "$GPTXT,01,01,02," } << QStringList { "" };
        QTest::newRow("a first sentence starts over")
            << QStringList { "$GPTXT,02,01,03,lost ", "$GPTXT,02,01,03,kept ", "$GPTXT,02,02,03,end" }
            << QStringList { "kept end" };
        QTest::newRow("identifier 100") << QStringList { "$GPTXT,01,01,100,x" } << QStringList();
        QTest::newRow("identifier negative") << QStringList { "$GPTXT,01,01,-1,x" } << QStringList();
        QTest::newRow("identifier empty counts as 0")
            << QStringList { "$GPTXT,01,01,,x" } << QStringList { "x" };
        QTest::newRow("no count") << QStringList { "$GPTXT,,01,02,x" } << QStringList();
        QTest::newRow("no number") << QStringList { "$GPTXT,01,,02,x" } << QStringList();
        QTest::newRow("no text field") << QStringList { "$GPTXT,01,01,02" } << QStringList();
    }

    void txtMessages()
    {
        QFETCH(QStringList, bodies);
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        // Texts are taken whatever the RMC gate says.
        QVERIFY(decoder.isWaitingForRmc());
        for (const QString& body : bodies) {
            decoder.OnReceived(line(body));
        }
        QTEST(recorder.texts, "texts");
    }

    void unfinishedTxtMessageStaysBounded()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        const QString middle = line(QStringLiteral("$GPTXT,03,02,04,%1").arg(QString(60, QChar('x'))));
        for (int i = 0; i < 10000; ++i) {
            decoder.OnReceived(middle);
        }
        decoder.OnReceived(line(QStringLiteral("$GPTXT,03,03,04,end")));
        QCOMPARE(recorder.texts.size(), 1);
        QVERIFY(recorder.texts.first().size() < 100 * NmeaSentence::MaxLength);
    }

    void rmcTimeoutPublishesNullOnce()
    {
        GPSDecoder decoder;
        decoder.setTimeoutInterval(shortTimeoutMs);
        GnssRecorder recorder(decoder);
        decoder.OnReceived(line(plainRmc));
        QSignalSpy spy(&decoder, &GPSDecoder::GpsDataReceived);
        QVERIFY(spy.wait(20 * shortTimeoutMs));
        QTest::qWait(4 * shortTimeoutMs);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(recorder.fixes.size(), 2);
        QVERIFY(!recorder.fixes.last());
        QVERIFY(decoder.isWaitingForRmc());
        // The gate is closed again: satellites wait for the next RMC.
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36")));
        recorder.clear();
        decoder.OnReceived(line(plainRmc));
        QCOMPARE(recorder.order, QStringList { "fix" });
    }

    void gsaTimeoutPublishesTheRecordOnce()
    {
        GPSDecoder decoder;
        decoder.setTimeoutInterval(shortTimeoutMs);
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2")));
        recorder.clear();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.skies.size(), 1, 20 * shortTimeoutMs);
        QTest::qWait(4 * shortTimeoutMs);
        QCOMPARE(recorder.skies.size(), 1);
        QVERIFY(recorder.skies.first());
    }

    void gsaTimeoutForgetsTheUsedSatellites()
    {
        GPSDecoder decoder;
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36")));
        decoder.OnReceived(line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2")));
        recorder.clear();
        decoder.OnGSATimeout();
        QCOMPARE(recorder.skies.size(), 1);
        QCOMPARE(recorder.skies.first()->heard().size(), 1);
        QCOMPARE(recorder.skies.first()->inUse, 0);
        const PublishedSky sky = publishedSky(decoder, recorder);
        QCOMPARE(sky.heard().size(), 1);
        QVERIFY(!sky.heard().first().used);
        QCOMPARE(sky.fixStatus, int(SatelliteData::Fix3D));
    }

    void gsvTimeoutPublishesNullOnceAndEmptiesTheRecord()
    {
        GPSDecoder decoder;
        decoder.setTimeoutInterval(shortTimeoutMs);
        GnssRecorder recorder(decoder);
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36")));
        recorder.clear();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.nullSkies(), 1, 20 * shortTimeoutMs);
        QTest::qWait(4 * shortTimeoutMs);
        QCOMPARE(recorder.skies.size(), 1);
        QCOMPARE(publishedSky(decoder, recorder).heard().size(), 0);
    }

    // A receiver that falls silent is noticed two seconds after its last
    // RMC, GSA and GSV: the fix is withdrawn, the used satellites published
    // and the sky emptied. Coarse timers may fire up to 5 % early.
    void silenceIsNoticedAfterTwoSeconds()
    {
        GPSDecoder decoder;
        // The clock starts before the first sentence arms a timer, so a slow
        // (sanitised) build cannot make the silence look shorter than it was.
        QElapsedTimer clock;
        clock.start();
        startCycle(decoder);
        decoder.OnReceived(line(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.5,0.9,1.2")));
        decoder.OnReceived(line(QStringLiteral("$GPGSV,1,1,01,01,53,280,36")));
        QList<qint64> published;
        bool fixWithdrawn = false;
        connect(&decoder, &GPSDecoder::GpsDataReceived, [&](GpsData* data) {
            fixWithdrawn = !data;
            published << clock.elapsed();
        });
        connect(&decoder, &GPSDecoder::SatelliteDataReceived, [&] { published << clock.elapsed(); });
        QTRY_COMPARE_WITH_TIMEOUT(published.size(), 3, 5000);
        QVERIFY(fixWithdrawn);
        for (const qint64 elapsed : published) {
            QVERIFY2(elapsed >= 1900 && elapsed <= 2600, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGpsDecoder)
#include "TestGpsDecoder.moc"

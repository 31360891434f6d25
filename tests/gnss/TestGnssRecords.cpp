#include "gnss/GeoPosition.h"
#include "gnss/GpsData.h"
#include "gnss/SatelliteData.h"
#include "gnss/SignalHistory.h"
#include "gnss/SkyGeometry.h"

#include <QtTest>

#include <limits>

class TestGnssRecords : public QObject {
    Q_OBJECT

private slots:
    void positionTexts_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("latitudeDms");
        QTest::addColumn<QString>("latitudeDm");
        QTest::addColumn<QString>("longitudeDms");
        QTest::addColumn<QString>("longitudeDm");
        QTest::newRow("north east") << 48.1173 << 11.0 + 31.0 / 60.0 << QStringLiteral("48° 07' 02.28\" N")
                                    << QStringLiteral("48° 07.038' N") << QStringLiteral("011° 31' 00.00\" E")
                                    << QStringLiteral("011° 31.000' E");
        QTest::newRow("south west") << -33.5 << -151.25 << QStringLiteral("33° 30' 00.00\" S")
                                    << QStringLiteral("33° 30.000' S") << QStringLiteral("151° 15' 00.00\" W")
                                    << QStringLiteral("151° 15.000' W");
        QTest::newRow("origin") << 0.0 << 0.0 << QStringLiteral("00° 00' 00.00\" N")
                                << QStringLiteral("00° 00.000' N") << QStringLiteral("000° 00' 00.00\" E")
                                << QStringLiteral("000° 00.000' E");
        // Seconds are not carried into the minutes.
        QTest::newRow("seconds rounding to 60")
            << 1.0 + 59.0 / 60.0 + 59.999 / 3600.0 << 0.0 << QStringLiteral("01° 59' 60.00\" N")
            << QStringLiteral("01° 60.000' N") << QStringLiteral("000° 00' 00.00\" E")
            << QStringLiteral("000° 00.000' E");
    }

    void positionTexts()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        GeoPosition position;
        position.setLatitude(latitude);
        position.setLongitude(longitude);
        QTEST(position.latitudeDmsText(), "latitudeDms");
        QTEST(position.latitudeDmText(), "latitudeDm");
        QTEST(position.longitudeDmsText(), "longitudeDms");
        QTEST(position.longitudeDmText(), "longitudeDm");
    }

    void positionRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("north pole") << 90.0 << 90.0 << 90.0;
        QTest::newRow("south pole") << -90.0 << -90.0 << -90.0;
        QTest::newRow("beyond a pole") << 90.5 << 0.0 << 90.5;
        QTest::newRow("date line") << -180.0 << 0.0 << -180.0;
        QTest::newRow("beyond the date line") << 180.01 << 0.0 << 0.0;
        QTest::newRow("not a number") << nan << 0.0 << 0.0;
    }

    void positionRange()
    {
        QFETCH(double, value);
        GeoPosition position;
        position.setLatitude(10.0);
        position.setLongitude(10.0);
        position.setLatitude(value);
        position.setLongitude(value);
        QTEST(position.latitude(), "latitude");
        QTEST(position.longitude(), "longitude");
    }

    void resetKeepsModeAndClearsTheRest()
    {
        GpsData data;
        QCOMPARE(data.modeIndicator(), int(GpsData::ModeNotValid));
        data.setTime(QTime(12, 35, 19));
        data.setDate(QDate(2021, 12, 23));
        data.position()->setLatitude(48.0);
        data.position()->setLongitude(11.0);
        data.setSpeedOverGround(22.4);
        QVERIFY(data.setCourseOverGround(84.4));
        data.setModeIndicator(GpsData::ModeDifferential);
        data.reset();
        QCOMPARE(data.time(), QTime(0, 0, 0));
        QCOMPARE(data.date(), QDate(2000, 1, 1));
        QCOMPARE(data.position()->latitude(), 0.0);
        QCOMPARE(data.position()->longitude(), 0.0);
        QCOMPARE(data.speedOverGround(), 0.0);
        QCOMPARE(data.courseOverGround(), 0.0);
        QCOMPARE(data.modeIndicator(), int(GpsData::ModeDifferential));
    }

    void course_data()
    {
        QTest::addColumn<double>("course");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("north") << 0.0 << true;
        QTest::newRow("just below a turn") << 359.99 << true;
        QTest::newRow("full turn") << 360.0 << false;
        QTest::newRow("negative") << -0.1 << false;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
    }

    void course()
    {
        QFETCH(double, course);
        QFETCH(bool, accepted);
        GpsData data;
        QVERIFY(data.setCourseOverGround(12.5));
        QCOMPARE(data.setCourseOverGround(course), accepted);
        QCOMPARE(data.courseOverGround(), accepted ? course : 12.5);
    }

    void rmcDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("this century") << "231221" << QDate(2021, 12, 23);
        QTest::newRow("leap day 2000") << "290200" << QDate(2000, 2, 29);
        QTest::newRow("last century") << "230394" << QDate(1994, 3, 23);
        QTest::newRow("start of GNSS time") << "060180" << QDate(1980, 1, 6);
        QTest::newRow("no such day") << "310421" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("short") << "23122" << QDate();
        QTest::newRow("letters") << "2312ab" << QDate();
    }

    void rmcDate()
    {
        QFETCH(QString, text);
        QTEST(GpsData::dateFromRmc(text), "date");
    }

    void modeLetters_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<int>("mode");
        const QString letters = QStringLiteral("ADEFMNPRS");
        for (int i = 0; i < letters.size(); ++i) {
            QTest::newRow(qPrintable(letters.mid(i, 1))) << letters.at(i) << i;
        }
        QTest::newRow("lower case") << QChar('a') << int(GpsData::ModeNotValid);
        QTest::newRow("unknown") << QChar('X') << int(GpsData::ModeNotValid);
        QTest::newRow("none") << QChar() << int(GpsData::ModeNotValid);
    }

    void modeLetters()
    {
        QFETCH(QChar, letter);
        QTEST(GpsData::modeFromLetter(letter), "mode");
    }

    void sameSatelliteKeepsItsSlot()
    {
        SatelliteData data;
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationGps, 5, 10, 20, 30, true));
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationGlonass, 5, 11, 21, 31, true));
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationGps, 5, 12, 22, 0, false));
        SatelliteRecord record;
        QVERIFY(data.satelliteAt(0, record));
        QCOMPARE(record.elevation, 12);
        QCOMPARE(record.snr, 0);
        QVERIFY(!record.tracked);
        QVERIFY(data.satelliteAt(1, record));
        QCOMPARE(record.constellation, int(SatelliteRecord::ConstellationGlonass));
        QVERIFY(data.satelliteAt(2, record));
        QCOMPARE(record.prn, 0);
    }

    void otherTalkerSatellitesShareTheFreeSlot()
    {
        SatelliteData data;
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationOther, 5, 10, 20, 30, true));
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationOther, 7, 11, 21, 31, true));
        SatelliteRecord record;
        data.satelliteAt(0, record);
        QCOMPARE(record.prn, 7);
        data.satelliteAt(1, record);
        QCOMPARE(record.prn, 0);
    }

    void prnKinds_data()
    {
        QTest::addColumn<int>("prn");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("sbas");
        QTest::addColumn<bool>("glonass");
        QTest::newRow("GPS") << 32 << true << false << false;
        QTest::newRow("first SBAS") << 33 << true << true << false;
        QTest::newRow("last SBAS") << 64 << true << true << false;
        QTest::newRow("GLONASS") << 65 << true << false << true;
        QTest::newRow("zero") << 0 << false << false << false;
        QTest::newRow("negative") << -3 << false << false << false;
    }

    void prnKinds()
    {
        QFETCH(int, prn);
        QFETCH(bool, stored);
        SatelliteData data;
        QCOMPARE(data.updateSatellite(SatelliteRecord::ConstellationGps, prn, 1, 2, 3, true), stored);
        SatelliteRecord record;
        data.satelliteAt(0, record);
        QCOMPARE(record.prn, stored ? prn : 0);
        QTEST(record.isSbas, "sbas");
        QTEST(record.isGlonass, "glonass");
    }

    void slotsAndUsedEntriesAreBounded()
    {
        SatelliteData data;
        for (int prn = 1; prn <= SatelliteData::SlotCount; ++prn) {
            QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationGps, prn, 0, 0, 40, true));
            QVERIFY(data.addUsed(prn));
        }
        QVERIFY(!data.updateSatellite(SatelliteRecord::ConstellationGps, 33, 0, 0, 40, true));
        QVERIFY(!data.addUsed(33));
        QVERIFY(!data.addUsed(0));
        QVERIFY(data.updateSatellite(SatelliteRecord::ConstellationGps, 32, 0, 0, 41, true));
        SatelliteRecord record;
        QVERIFY(!data.satelliteAt(SatelliteData::SlotCount, record));
        QVERIFY(!data.satelliteAt(-1, record));
        data.markUsed();
        QCOMPARE(data.usedCount(), SatelliteData::SlotCount);
    }

    void usedAndTrackedCounts()
    {
        SatelliteData data;
        data.updateSatellite(SatelliteRecord::ConstellationGps, 1, 0, 0, 40, true);
        data.updateSatellite(SatelliteRecord::ConstellationGps, 2, 0, 0, 0, false);
        data.updateSatellite(SatelliteRecord::ConstellationGlonass, 70, 0, 0, 30, true);
        data.updateSatellite(SatelliteRecord::ConstellationGps, 3, 0, 0, 20, true);
        data.addUsed(1);
        data.addUsed(2);
        data.addUsed(70);
        data.markUsed();
        // PRN 2 is listed but not tracked: it is marked, but not counted.
        SatelliteRecord record;
        data.satelliteAt(1, record);
        QVERIFY(record.used);
        QCOMPARE(data.usedCount(), 2);
        QCOMPARE(data.trackedCount(), 3);

        data.clearUsed();
        QCOMPARE(data.usedCount(), 0);
        QCOMPARE(data.trackedCount(), 3);
        data.markUsed();
        QCOMPARE(data.usedCount(), 0);
    }

    void clearForgetsEverything()
    {
        SatelliteData data;
        data.updateSatellite(SatelliteRecord::ConstellationGps, 1, 0, 0, 40, true);
        data.addUsed(1);
        data.setFixStatus(SatelliteData::Fix3D);
        data.setGpsInView(9);
        data.setGlonassInView(4);
        data.clear();
        data.markUsed();
        SatelliteRecord record;
        data.satelliteAt(0, record);
        QCOMPARE(record.prn, 0);
        QVERIFY(!record.used);
        QCOMPARE(data.fixStatus(), int(SatelliteData::FixNone));
        QCOMPARE(data.gpsInView(), 0);
        QCOMPARE(data.glonassInView(), 0);
        QCOMPARE(data.trackedCount(), 0);
    }

    // North up, east right, zenith in the centre, horizon on the rim.
    void skyPlacesByAzimuthAndElevation()
    {
        const auto near = [](const QPointF& a, const QPointF& b) { return QLineF(a, b).length() < 1e-9; };
        QVERIFY(near(SkyGeometry::toDisc(123, 90), QPointF(0, 0)));
        QVERIFY(near(SkyGeometry::toDisc(0, 0), QPointF(0, -1)));
        QVERIFY(near(SkyGeometry::toDisc(90, 0), QPointF(1, 0)));
        QVERIFY(near(SkyGeometry::toDisc(180, 45), QPointF(0, 0.5)));
        QVERIFY(near(SkyGeometry::toDisc(270, 60), QPointF(-1.0 / 3, 0)));
        const QVector<QPointF> points { { 0, 0 }, { 10, 0 }, { 12, 0 } };
        QCOMPARE(SkyGeometry::nearest(points, QPointF(11.2, 0), 3), 2);
        QCOMPARE(SkyGeometry::nearest(points, QPointF(5, 0), 3), -1);
    }

    // The mean of the four strongest tracked satellites; ten minutes and a
    // bounded number of samples kept; the first fix timed from the restart.
    void signalHistory()
    {
        SatelliteData data;
        const int snrs[] = { 30, 45, 0, 41, 20, 38, 44 };
        for (int i = 0; i < 7; ++i) {
            data.updateSatellite(SatelliteRecord::ConstellationGps, i + 1, 10, 10, snrs[i], snrs[i] > 0);
        }
        QCOMPARE(SignalHistory::meanOfStrongest(data), (45 + 44 + 41 + 38) / 4.0);
        QCOMPARE(SignalHistory::meanOfStrongest(SatelliteData()), 0.0);

        SignalHistory history;
        history.restart(1000);
        history.add(2000, SatelliteData());
        QVERIFY(history.samples().empty());
        history.add(3000, data);
        data.setFixStatus(SatelliteData::Fix2D);
        history.add(5000, data);
        history.add(9000, data);
        QCOMPARE(history.timeToFirstFix(), qint64(4000));
        history.add(3000 + SignalHistory::WindowMs + 1, data);
        QCOMPARE(int(history.samples().size()), 3);
        QCOMPARE(history.samples().front().timeMs, qint64(5000));
        for (int i = 0; i < SignalHistory::MaxSamples + 5; ++i) {
            history.add(700000, data);
        }
        QCOMPARE(int(history.samples().size()), SignalHistory::MaxSamples);
        history.restart(800000);
        QCOMPARE(history.timeToFirstFix(), qint64(-1));
        QVERIFY(history.samples().empty());
    }
};

QTEST_GUILESS_MAIN(TestGnssRecords)
#include "TestGnssRecords.moc"

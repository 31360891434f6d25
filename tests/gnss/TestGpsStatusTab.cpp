#include "GnssRecorder.h"
#include "gnss/cGnssRecordPanel.h"
#include "gnss/cGpsScaleDraw.h"
#include "gnss/cGpsStatusTab.h"
#include "gnss/cHistogramItem.h"
#include "gnss/cSkyPlot.h"
#include "protocol/NmeaSentence.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_map.h>

namespace {

const QStringList positionLabelNames { "labelUTC", "labelLatitude", "labelLongitude", "labelSOG",
    "labelCOG" };
const QStringList satelliteLabelNames { "labelSatellitesInView", "labelSatellitesInUse",
    "labelSatellitesTracked" };
const QColor orange(255, 165, 0);

struct Satellite {
    int constellation;
    int prn;
    int snr;
    bool tracked;
    bool used;
};

void fill(SatelliteData& data, const QVector<Satellite>& satellites)
{
    for (const Satellite& satellite : satellites) {
        data.updateSatellite(
            satellite.constellation, satellite.prn, 30, 120, satellite.snr, satellite.tracked);
        if (satellite.used) {
            data.addUsed(satellite.prn);
        }
    }
    data.markUsed();
}

} // namespace

Q_DECLARE_METATYPE(QVector<Satellite>)

class TestGpsStatusTab : public QObject {
    Q_OBJECT

private:
    QString text(const cGpsStatusTab& tab, const QString& name)
    {
        const QLabel* label = tab.findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
    }

    QwtPlot* plot(const cGpsStatusTab& tab) { return tab.findChild<QwtPlot*>(QStringLiteral("plot")); }

    QVector<cHistogramItem*> bars(const cGpsStatusTab& tab)
    {
        QVector<cHistogramItem*> list;
        for (QwtPlotItem* item : plot(tab)->itemList(cHistogramItem::Rtti)) {
            list.append(static_cast<cHistogramItem*>(item));
        }
        return list;
    }

    QString axisLabel(const cGpsStatusTab& tab, double value)
    {
        return plot(tab)->axisScaleDraw(QwtPlot::xBottom)->label(value).text();
    }

    void showFix(cGpsStatusTab& tab, double latitude, double longitude)
    {
        GpsData data;
        data.setTime(QTime(12, 35, 19));
        data.position()->setLatitude(latitude);
        data.position()->setLongitude(longitude);
        data.setSpeedOverGround(22.4);
        data.setCourseOverGround(84.4);
        tab.OnGpsDataReceived(&data);
    }

private slots:
    void startsWithNoFixAndAnEmptyPlot()
    {
        cGpsStatusTab tab;
        for (const QString& name : positionLabelNames + satelliteLabelNames + QStringList { "labelStatus" }) {
            QCOMPARE(text(tab, name), QStringLiteral("No Fix"));
        }
        QVERIFY(bars(tab).isEmpty());
        QCOMPARE(axisLabel(tab, 0), QStringLiteral("--"));
        QVERIFY(tab.findChild<QPlainTextEdit*>(QStringLiteral("textGPS"))->isHidden());
    }

    void positionLabels_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("latitudeText");
        QTest::addColumn<QString>("latitudeTip");
        QTest::addColumn<QString>("longitudeText");
        QTest::addColumn<QString>("longitudeTip");
        QTest::newRow("north east") << "en_GB" << 48.1173 << 11.0 + 31.0 / 60.0
                                    << QStringLiteral("48° 07' 02.28\" N")
                                    << QStringLiteral("48.1173\n48° 07.038' N")
                                    << QStringLiteral("011° 31' 00.00\" E")
                                    << QStringLiteral("11.5167\n011° 31.000' E");
        QTest::newRow("south west") << "en_GB" << -33.5 << -70.123456 << QStringLiteral("33° 30' 00.00\" S")
                                    << QStringLiteral("-33.5000\n33° 30.000' S")
                                    << QStringLiteral("070° 07' 24.44\" W")
                                    << QStringLiteral("-70.1235\n070° 07.407' W");
        QTest::newRow("decimal comma")
            << "de_DE" << 48.1173 << 11.0 + 31.0 / 60.0 << QStringLiteral("48° 07' 02,28\" N")
            << QStringLiteral("48,1173\n48° 07,038' N") << QStringLiteral("011° 31' 00,00\" E")
            << QStringLiteral("11,5167\n011° 31,000' E");
    }

    void positionLabels()
    {
        QFETCH(double, latitude);
        QFETCH(QString, locale);
        QFETCH(double, longitude);
        QLocale::setDefault(QLocale(locale));
        cGpsStatusTab tab;
        showFix(tab, latitude, longitude);
        QLocale::setDefault(QLocale::c());
        QTEST(text(tab, "labelLatitude"), "latitudeText");
        QTEST(tab.findChild<QLabel*>("labelLatitude")->toolTip(), "latitudeTip");
        QTEST(text(tab, "labelLongitude"), "longitudeText");
        QTEST(tab.findChild<QLabel*>("labelLongitude")->toolTip(), "longitudeTip");
        QCOMPARE(text(tab, "labelUTC"), QStringLiteral("12:35:19"));
        const QString comma = locale == QLatin1String("de_DE") ? QStringLiteral(",") : QStringLiteral(".");
        QCOMPARE(text(tab, "labelSOG"), QStringLiteral("22") + comma + QStringLiteral("4 kn"));
        QCOMPARE(text(tab, "labelCOG"), QStringLiteral("84") + comma + QStringLiteral("4°"));
    }

    void lostFixClearsPositionAndBars()
    {
        cGpsStatusTab tab;
        showFix(tab, 48.0, 11.0);
        SatelliteData data;
        fill(data, { { SatelliteRecord::ConstellationGps, 7, 40, true, true } });
        data.setFixStatus(SatelliteData::Fix3D);
        tab.OnSatelliteDataReceived(&data);
        tab.OnGpsDataReceived(nullptr);
        for (const QString& name : positionLabelNames) {
            QCOMPARE(text(tab, name), QStringLiteral("No Fix"));
        }
        QVERIFY(tab.findChild<QLabel*>("labelLatitude")->toolTip().isEmpty());
        QCOMPARE(text(tab, "labelStatus"), QStringLiteral("3D Fix"));
        QVERIFY(bars(tab).isEmpty());
        QCOMPARE(axisLabel(tab, 0), QStringLiteral("--"));
    }

    void barColours_data()
    {
        QTest::addColumn<QVector<Satellite>>("satellites");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("height");
        const int gps = SatelliteRecord::ConstellationGps;
        QTest::newRow("used") << QVector<Satellite> { { gps, 7, 41, true, true } } << QColor(Qt::green)
                              << 41.0;
        QTest::newRow("not used") << QVector<Satellite> { { gps, 7, 22, true, false } } << QColor(Qt::blue)
                                  << 22.0;
        QTest::newRow("SBAS used") << QVector<Satellite> { { gps, 40, 35, true, true } } << orange << 35.0;
        QTest::newRow("SBAS not used")
            << QVector<Satellite> { { gps, 40, 35, true, false } } << orange << 35.0;
        QTest::newRow("not tracked") << QVector<Satellite> { { gps, 7, 0, false, true } } << QColor(Qt::white)
                                     << 0.0;
        QTest::newRow("GLONASS used")
            << QVector<Satellite> { { SatelliteRecord::ConstellationGlonass, 70, 30, true, true } }
            << QColor(Qt::green) << 30.0;
    }

    void barColours()
    {
        QFETCH(QVector<Satellite>, satellites);
        QFETCH(QColor, colour);
        QFETCH(double, height);
        cGpsStatusTab tab;
        SatelliteData data;
        fill(data, satellites);
        tab.OnSatelliteDataReceived(&data);
        const QVector<cHistogramItem*> all = bars(tab);
        QCOMPARE(all.size(), SatelliteData::SlotCount);
        QCOMPARE(all.first()->color(), colour);
        QCOMPARE(all.first()->data().size(), 1);
        QCOMPARE(all.first()->data().first().value, height);
        QCOMPARE(all.first()->data().first().interval, QwtInterval(-0.5, 0.5));
        QCOMPARE(all.first()->title().text(), QStringLiteral("Satellite 0"));
        QCOMPARE(all.last()->color(), QColor(Qt::white));
        QCOMPARE(all.last()->data().first().interval, QwtInterval(30.5, 31.5));
        QCOMPARE(axisLabel(tab, 0), QString::number(satellites.first().prn));
    }

    void satelliteCountsAndStatus_data()
    {
        QTest::addColumn<int>("fixStatus");
        QTest::addColumn<QString>("statusText");
        QTest::newRow("no fix") << int(SatelliteData::FixNone) << "No Fix";
        QTest::newRow("2D") << int(SatelliteData::Fix2D) << "2D Fix";
        QTest::newRow("3D") << int(SatelliteData::Fix3D) << "3D Fix";
    }

    void satelliteCountsAndStatus()
    {
        QFETCH(int, fixStatus);
        cGpsStatusTab tab;
        SatelliteData data;
        fill(data,
            { { SatelliteRecord::ConstellationGps, 3, 40, true, true },
                { SatelliteRecord::ConstellationGps, 9, 0, false, true },
                { SatelliteRecord::ConstellationGlonass, 70, 28, true, false },
                { SatelliteRecord::ConstellationGps, 46, 33, true, true } });
        data.setGpsInView(11);
        data.setGlonassInView(5);
        data.setFixStatus(fixStatus);
        tab.OnSatelliteDataReceived(&data);
        QTEST(text(tab, "labelStatus"), "statusText");
        QCOMPARE(text(tab, "labelSatellitesInView"), QStringLiteral("16"));
        QCOMPARE(text(tab, "labelSatellitesInUse"), QStringLiteral("2"));
        QCOMPARE(text(tab, "labelSatellitesTracked"), QStringLiteral("3"));
        // With no fix, tracked satellites still show in colour.
        QCOMPARE(bars(tab).first()->color(), QColor(Qt::green));
    }

    void axisLabelsNameTheSlotPrns_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("slot 0") << 0.0 << "3";
        QTest::newRow("half rounds up") << 0.5 << "109";
        QTest::newRow("slot 1") << 1.2 << "109";
        QTest::newRow("just below half") << 1.49 << "109";
        QTest::newRow("empty slot") << 2.0 << "--";
        QTest::newRow("left of the axis") << -0.5 << "3";
        QTest::newRow("beyond the slots") << 31.5 << "--";
        QTest::newRow("far left") << -7.0 << "--";
    }

    void axisLabelsNameTheSlotPrns()
    {
        QFETCH(double, value);
        cGpsScaleDraw scaleDraw;
        SatelliteData data;
        fill(data,
            { { SatelliteRecord::ConstellationGps, 3, 40, true, true },
                { SatelliteRecord::ConstellationOther, 109, 0, false, false } });
        scaleDraw.setSatelliteData(&data);
        // The decoder empties its record after publishing; the labels stay.
        data.clear();
        QTEST(scaleDraw.label(value).text(), "label");
        scaleDraw.setSatelliteData(nullptr);
        QCOMPARE(scaleDraw.label(0).text(), QStringLiteral("--"));
    }

    void lostSatellitesLeaveWhiteBars()
    {
        cGpsStatusTab tab;
        SatelliteData data;
        fill(data, { { SatelliteRecord::ConstellationGps, 7, 40, true, true } });
        data.setFixStatus(SatelliteData::Fix2D);
        tab.OnSatelliteDataReceived(&data);
        tab.OnSatelliteDataReceived(nullptr);
        const QVector<cHistogramItem*> all = bars(tab);
        QCOMPARE(all.size(), SatelliteData::SlotCount);
        for (const cHistogramItem* bar : all) {
            QCOMPARE(bar->color(), QColor(Qt::white));
            QCOMPARE(bar->data().first().value, 0.0);
        }
        for (const QString& name : satelliteLabelNames) {
            QCOMPARE(text(tab, name), QStringLiteral("No Fix"));
        }
        QCOMPARE(text(tab, "labelStatus"), QStringLiteral("2D Fix"));
        QCOMPARE(axisLabel(tab, 0), QStringLiteral("--"));
    }

    void histogramItemBounds()
    {
        cHistogramItem item;
        QVERIFY(!item.boundingRect().isValid());
        item.setData({ QwtIntervalSample(35.0, 1.5, 2.5), QwtIntervalSample(12.0, 4.5, 5.5) });
        QCOMPARE(item.boundingRect(), QRectF(1.5, 0.0, 4.0, 35.0));
        item.setBaseline(-5.0);
        QCOMPARE(item.boundingRect(), QRectF(1.5, -5.0, 4.0, 40.0));
        QCOMPARE(item.z(), 20.0);
        QVERIFY(item.testItemAttribute(QwtPlotItem::AutoScale));
    }

    // The bar is drawn where the plot maps its slot: filled in its colour,
    // with lighter and darker two-pixel edges.
    void barsArePaintedRaised()
    {
        cGpsStatusTab tab;
        tab.resize(800, 420);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        SatelliteData data;
        fill(data, { { SatelliteRecord::ConstellationGps, 12, 40, true, false } });
        tab.OnSatelliteDataReceived(&data);
        QwtPlot* chart = plot(tab);
        const QImage image = chart->canvas()->grab().toImage();
        const QwtScaleMap x = chart->canvasMap(QwtPlot::xBottom);
        const QwtScaleMap y = chart->canvasMap(QwtPlot::yLeft);
        const int centre = qRound(x.transform(0.0));
        const int middle = qRound(y.transform(20.0));
        const int left = qRound(x.transform(-0.5)) + 1;
        const int right = qRound(x.transform(0.5));
        QCOMPARE(image.pixel(centre, middle), QColor(Qt::blue).rgb());
        QCOMPARE(image.pixel(left, middle), QColor(Qt::blue).lighter(125).rgb());
        QCOMPARE(image.pixel(left + 1, middle), QColor(Qt::blue).lighter(125).rgb());
        QCOMPARE(image.pixel(left + 2, middle), QColor(Qt::blue).rgb());
        QCOMPARE(image.pixel(right, middle), QColor(Qt::blue).darker(125).rgb());
        QCOMPARE(image.pixel(centre, qRound(y.transform(45.0))), QColor(Qt::white).rgb());
    }

    // A used satellite is a mark filled in its C/N0 colour, an unused one is
    // hollow, and one without a position is left out; clicking a mark
    // selects the satellite and names its details.
    void skyPlotMarksAndSelects()
    {
        cGpsStatusTab tab;
        tab.resize(1200, 420);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        SatelliteData data;
        data.updateSatellite(SatelliteRecord::ConstellationGalileo, 5, 40, 83, 46, true);
        data.updateSatellite(SatelliteRecord::ConstellationGps, 9, 20, 250, 25, true);
        data.updateSatellite(SatelliteRecord::ConstellationGps, 12, 0, 0, 30, true);
        data.addUsed(5, SatelliteRecord::ConstellationGalileo);
        data.addUsed(12);
        data.markUsed();
        tab.OnSatelliteDataReceived(&data);
        auto* sky = tab.findChild<cSkyPlot*>(QStringLiteral("skyPlot"));
        const QImage image = sky->grab().toImage();
        const QPoint insideTheMark(-5, 4);
        const QPoint used = sky->pointAt(83, 40).toPoint() + insideTheMark;
        const QPoint unused = sky->pointAt(250, 20).toPoint() + insideTheMark;
        const QPoint unplaced = sky->pointAt(0, 0).toPoint() + insideTheMark;
        QCOMPARE(image.pixelColor(used), QColor(0, 160, 0));
        QCOMPARE(image.pixelColor(unused), QColor(Qt::white));
        QCOMPARE(image.pixelColor(unplaced), QColor(Qt::white));

        QTest::mouseClick(sky, Qt::LeftButton, {}, sky->pointAt(250, 20).toPoint());
        QCOMPARE(sky->selectionText(), QStringLiteral("GPS 9\nElevation 20°, azimuth 250°\nC/N0 25 dB-Hz"));
        QTest::mouseClick(sky, Qt::LeftButton, {}, sky->pointAt(83, 40).toPoint());
        QCOMPARE(sky->selectionText(),
            QStringLiteral("Galileo 5, used in the fix\nElevation 40°, azimuth 83°\nC/N0 46 dB-Hz"));
        QTest::mouseClick(sky, Qt::LeftButton, {}, sky->pointAt(0, 0).toPoint());
        QCOMPARE(sky->selectionText(), QString());
    }

    // DOPs of the cycle; the first fix timed from the last reset of the
    // decoder's records, i.e. the connection.
    void dopsAndTimeToFirstFix()
    {
        cGpsStatusTab tab;
        GPSDecoder decoder;
        connect(&decoder, &GPSDecoder::RecordsReset, &tab, &cGpsStatusTab::OnRecordsReset);
        connect(&decoder, &GPSDecoder::SatelliteDataReceived, &tab, &cGpsStatusTab::OnSatelliteDataReceived);
        decoder.reset();
        for (const char* body : { "$GPRMC,120000,A,,,,,,,010120,,,A", "$GPGSA,A,1,,,,,,,,,,,,,99.0,99.0,99.0",
                 "$GPRMC,120001,A,,,,,,,010120,,,A" }) {
            decoder.OnReceived(NmeaSentence::frame(QLatin1String(body)));
        }
        QCOMPARE(text(tab, "labelFirstFix"), QStringLiteral("No Fix"));
        QTest::qWait(150);
        decoder.OnReceived(NmeaSentence::frame(QStringLiteral("$GPGSA,A,3,01,,,,,,,,,,,,1.6,0.9,1.3")));
        decoder.OnReceived(NmeaSentence::frame(QStringLiteral("$GPRMC,120002,A,,,,,,,010120,,,A")));
        QCOMPARE(text(tab, "labelDop"), QStringLiteral("0.9 / 1.6 / 1.3"));
        const double firstFix = text(tab, "labelFirstFix").section(QLatin1Char(' '), 0, 0).toDouble();
        QVERIFY2(firstFix >= 0.1 && firstFix < 60, qPrintable(text(tab, "labelFirstFix")));
        decoder.reset();
        QCOMPARE(text(tab, "labelFirstFix"), QStringLiteral("No Fix"));
    }

    // A recording that cannot be written is said not to be saved.
    void recordingThatCannotBeWrittenIsNotSaved()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        cGpsStatusTab tab;
        auto* panel = tab.findChild<cGnssRecordPanel*>();
        panel->startRecording(blocker.fileName() + QStringLiteral("/drive.nmea"));
        tab.OnGnssSentenceReceived(NmeaSentence::frame(QStringLiteral("$GPGSV,1,1,01,07,40,083,46")));
        QTimer::singleShot(200, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QVERIFY(!panel->stopRecording());
        QCOMPARE(text(tab, "labelGnssRecording"), QStringLiteral("The recording was not saved."));
    }

    // What the page records it can replay without a device; while the replay
    // runs, what a connected device sends is not shown, and "Stop Replay"
    // ends it.
    void recordAndReplay()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("drive.nmea"));
        cGpsStatusTab tab;
        auto* panel = tab.findChild<cGnssRecordPanel*>();
        panel->startRecording(path);
        for (const char* body : { "$GPRMC,123518,A,,,,,,,230394,,", "$GPGSV,1,1,01,07,40,083,46",
                 "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W" }) {
            tab.OnGnssSentenceReceived(NmeaSentence::frame(QLatin1String(body)));
        }
        QVERIFY(panel->stopRecording());
        QCOMPARE(text(tab, "labelGnssRecording"), QStringLiteral("Saved 3 sentences to %1.").arg(path));
        QVERIFY(panel->startReplay(path));
        QTRY_COMPARE(text(tab, "labelLatitude"), QStringLiteral("48\u00b0 07' 02.28\" N"));
        QCOMPARE(text(tab, "labelSatellitesTracked"), QStringLiteral("1"));
        QTRY_COMPARE(text(tab, "labelGnssRecording"), QStringLiteral("Replay of %1 finished.").arg(path));

        QFile later(path);
        QVERIFY(later.open(QIODevice::Append));
        // Due eight seconds after the rest, so that the replay is still
        // running while the page is looked at.
        later.write(QDateTime::currentDateTimeUtc().addSecs(8).toString(Qt::ISODateWithMs).toLatin1()
            + " $GPRMC,,V,,,,,,,,,,N*53\n");
        later.close();
        GPSDecoder live;
        connect(&live, &GPSDecoder::GpsDataReceived, &tab, &cGpsStatusTab::OnGpsDataReceived);
        QVERIFY(panel->startReplay(path));
        QTRY_COMPARE(text(tab, "labelLatitude"), QStringLiteral("48\u00b0 07' 02.28\" N"));
        live.OnRMCTimeout();
        QCOMPARE(text(tab, "labelLatitude"), QStringLiteral("48\u00b0 07' 02.28\" N"));
        tab.findChild<QPushButton*>(QStringLiteral("pushButtonReplayGnss"))->click();
        QCOMPARE(text(tab, "labelGnssRecording"), QStringLiteral("Replay stopped."));
        live.OnRMCTimeout();
        QCOMPARE(text(tab, "labelLatitude"), QStringLiteral("No Fix"));
    }

    void textMessagesGoToTheHiddenPanel()
    {
        cGpsStatusTab tab;
        tab.OnGPSTextMessageReceived(QStringLiteral("ANTENNA OK"));
        tab.OnGPSTextMessageReceived(QStringLiteral("ANTENNA OPEN"));
        QCOMPARE(tab.findChild<QPlainTextEdit*>("textGPS")->toPlainText(),
            QStringLiteral("ANTENNA OK\nANTENNA OPEN"));
    }

    // Every capture, as the main window wires it: nothing may crash, and the
    // page ends showing the last cycle. The F9P capture's page is saved as
    // the picture the README shows.
    void showsEveryCapture_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& log :
            QDir(QStringLiteral(TESTDATA_DIR "/nmea")).entryList({ QStringLiteral("*.log") })) {
            QTest::newRow(qPrintable(log)) << log;
        }
    }

    void showsEveryCapture()
    {
        QFETCH(QString, name);
        QFile file(QStringLiteral(TESTDATA_DIR "/nmea/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        GPSDecoder decoder;
        cGpsStatusTab tab;
        tab.resize(1200, 620);
        tab.show();
        connect(&decoder, &GPSDecoder::GpsDataReceived, &tab, &cGpsStatusTab::OnGpsDataReceived);
        connect(&decoder, &GPSDecoder::SatelliteDataReceived, &tab, &cGpsStatusTab::OnSatelliteDataReceived);
        connect(
            &decoder, &GPSDecoder::GPSTextMessageReceived, &tab, &cGpsStatusTab::OnGPSTextMessageReceived);
        int cycles = 0;
        connect(&decoder, &GPSDecoder::SatelliteDataReceived, this, [&] { ++cycles; });
        while (!file.atEnd()) {
            decoder.OnReceived(QString::fromLatin1(file.readLine()));
        }
        QVERIFY(cycles > 0);
        QVERIFY(text(tab, "labelUTC") != QStringLiteral("No Fix"));
        if (name == QStringLiteral("ublox-f9p-hpnmea.log")) {
            QCOMPARE(text(tab, "labelSatellitesInView"), QStringLiteral("21"));
            QCOMPARE(text(tab, "labelLatitude"), QStringLiteral("44° 04' 07.84\" N"));
            QVERIFY(QDir().mkpath(QStringLiteral(BINARY_DIR "/screenshots")));
            QVERIFY(tab.grab().save(QStringLiteral(BINARY_DIR "/screenshots/gnss-status.png")));
        }
    }
};

QTEST_MAIN(TestGpsStatusTab)
#include "TestGpsStatusTab.moc"

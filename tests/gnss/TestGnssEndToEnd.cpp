#include "gnss/cGpsStatusTab.h"
#include "gnss/cHistogramItem.h"
#include "ui/BasicTab.h"
#include "ui/ProgramDriver.h"

#include <QElapsedTimer>
#include <QLabel>

#include <qwt_plot.h>

// The GNSS page of the whole program against a simulated Identifier: opening
// the page switches the device's GNSS output on, the page fills from what the
// device streams, and leaving the page switches it off again.
class TestGnssEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void pageSwitchesTheStreamAndFills();

private:
    static int DeviceReceived(const ProgramDriver& program, const QString& command);
    static QString Text(const QWidget* page, const char* label);
    static int ColouredBars(const QWidget* page);
};

int TestGnssEndToEnd::DeviceReceived(const ProgramDriver& program, const QString& command)
{
    int count = 0;
    for (const QString& entry : program.device.transcript()) {
        if (entry.contains(QLatin1String(" RX ")) && entry.contains(QLatin1Char(',') + command + QLatin1Char(',')))
            ++count;
    }
    return count;
}

QString TestGnssEndToEnd::Text(const QWidget* page, const char* label)
{
    return UiTest::Child<QLabel>(page, label)->text();
}

int TestGnssEndToEnd::ColouredBars(const QWidget* page)
{
    int count = 0;
    for (QwtPlotItem* item : UiTest::Child<QwtPlot>(page, "plot")->itemList(cHistogramItem::Rtti)) {
        if (static_cast<cHistogramItem*>(item)->color() != QColor(Qt::white))
            ++count;
    }
    return count;
}

void TestGnssEndToEnd::pageSwitchesTheStreamAndFills()
{
    SimConfig config;
    config.replyDelayMs = 5;
    ProgramDriver program(config);
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.ClickMode(QStringLiteral("Diagnostic mode"));
    QVERIFY(program.WaitIdle());
    auto* page = program.Find<cGpsStatusTab>("tabGnssStatus");
    QVERIFY(page);
    QVERIFY(!program.device.isStreamingGnss());

    QElapsedTimer opened;
    opened.start();
    program.Tabs()->setCurrentWidget(page);
    QTRY_COMPARE_WITH_TIMEOUT(DeviceReceived(program, QStringLiteral("gpsfilt 49")), 1, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(Text(page, "labelUTC") != QLatin1String("No Fix"), 2000);
    const qint64 fixShown = opened.elapsed();
    QTRY_VERIFY_WITH_TIMEOUT(ColouredBars(page) > 0, 3000);
    const qint64 satellitesShown = opened.elapsed();
    qInfo("fix shown %lld ms, satellites %lld ms after the page opened", fixShown, satellitesShown);
    QVERIFY(Text(page, "labelSatellitesInView") != QLatin1String("No Fix"));
    QVERIFY(Text(page, "labelLatitude").endsWith(QLatin1String(" N")) || Text(page, "labelLatitude").endsWith(QLatin1String(" S")));

    program.Tabs()->setCurrentIndex(program.Tabs()->indexOf(program.Find<QWidget>("tabDiagnostics")));
    QTRY_COMPARE_WITH_TIMEOUT(DeviceReceived(program, QStringLiteral("gpsfilt 0")), 1, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!program.device.isStreamingGnss(), 2000);
    // Without sentences the page lets go of the fix after the decoder's time-out.
    QTRY_COMPARE_WITH_TIMEOUT(Text(page, "labelUTC"), QStringLiteral("No Fix"), 4000);
    QCOMPARE(DeviceReceived(program, QStringLiteral("gpsfilt 49")), 1);
}

VELMORA_UI_TEST_MAIN(TestGnssEndToEnd)
#include "TestGnssEndToEnd.moc"

#include "UiTestSupport.h"

#include "model/Model.h"
#include "ui/BoundedTextView.h"
#include "ui/DiagnosticsTab.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

namespace {

const QString firstVersion = QStringLiteral("050200.02.01.00");
const QString laterVersion = QStringLiteral("160200.01.00.00");

// The tables as the page must show them, indexed by code.
const QStringList laterCharging { "0 Temperature charge pause", "1 Fault, charge halt",
    "2 Charge in progress", "3 Charge complete", "4 No charge supply", "5 No battery fitted",
    "6 Charging, reduced current" };
const QStringList firstCharging { "0 Battery not charging", "1 Battery charging", "2 Charge complete",
    "3 Charge fault" };
const QStringList laterLed { "0 SOS alert", "1 Charge fault ", "2 GeoFence alert", "3 Low battery",
    "4 Bracket mismatch", "5 No position", "6 Tx error", "7 No MMSI", "8 OK (in bracket)", "9 Charging",
    "10 Charge complete" };
const QStringList firstLed { "0 User alert", "1 Geofence alert", "2 Bootloader", "3 No MMSI", "4 Wrong ID",
    "5 No GPS", "6 TX error", "7 Error", "8 Battery 10% alert", "9 Battery 25% aler", "10 Battery 50% aler",
    "11 Battery charging", "12 Battery charge error", "13 Battery charge complete", "14 Operating normally",
    "15 Test LED red", "16 Test LED green", "17 Test LED blue", "18 Number of indicators" };
const QString noData = QStringLiteral("No data");

// One row per code of the table and per code just outside it.
void AddTableRows(const char* generation, const QString& version, const QStringList& table,
    const QList<int>& extraCodes, const QStringList& extraTexts)
{
    for (int code = 0; code < table.size(); ++code)
        QTest::addRow("%s %d", generation, code) << version << QString::number(code) << table.at(code);
    for (int i = 0; i < extraCodes.size(); ++i)
        QTest::addRow("%s %d", generation, extraCodes.at(i))
            << version << QString::number(extraCodes.at(i)) << extraTexts.at(i);
}

} // namespace

class TestDiagnosticsTab : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chargingState_data();
    void chargingState();
    void ledIndicator_data();
    void ledIndicator();
    void powerBox_data();
    void powerBox();
    void batteryVoltage_data();
    void batteryVoltage();
    void batteryVoltageInTheReadersLocale();
    void identityCopiedReadingsOnlyShown();
    void textThatIsNoNumberReadsZero();
    void indicationsAppendAndFollow();
    void indicationsTrimmed();
    void exportCancelledRestartsRefresh();
    void exportChosenFileRequested();

private:
    template <typename T> T* child(const char* name) const { return UiTest::Child<T>(tab, name); }
    QString shown(const char* name) const { return child<QLineEdit>(name)->text(); }
    void Read(const QString& version);

    Model* model = nullptr;
    Model* device = nullptr;
    DiagnosticsTab* tab = nullptr;
};

void TestDiagnosticsTab::init()
{
    model = new Model;
    device = new Model;
    tab = new DiagnosticsTab(model, nullptr);
    tab->show();
}

void TestDiagnosticsTab::cleanup()
{
    delete tab;
    delete device;
    delete model;
}

void TestDiagnosticsTab::Read(const QString& version)
{
    device->setAppVersion(version);
    QVERIFY(tab->UpdateTabFromModel(device));
}

void TestDiagnosticsTab::chargingState_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    AddTableRows("later", laterVersion, laterCharging, { 7, 10, 11, -1 }, { noData, noData, noData, noData });
    AddTableRows("first", firstVersion, firstCharging, { 4, 5, 6, 10, -1 },
        { noData, noData, noData, noData, noData });
}

void TestDiagnosticsTab::chargingState()
{
    QFETCH(QString, version);
    QFETCH(QString, code);
    QFETCH(QString, text);

    device->diagnostics()->setBatteryStatus(code);
    Read(version);
    QCOMPARE(shown("lineEdit_BattStatus"), text);
}

void TestDiagnosticsTab::ledIndicator_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    AddTableRows(
        "later", laterVersion, laterLed, { 11, 18, 99, 100, -1 }, { noData, noData, noData, noData, noData });
    AddTableRows("first", firstVersion, firstLed, { 19, 98, 99, 100, -1 },
        { noData, noData, QStringLiteral("99 Default priority"), noData, noData });
}

void TestDiagnosticsTab::ledIndicator()
{
    QFETCH(QString, version);
    QFETCH(QString, code);
    QFETCH(QString, text);

    device->diagnostics()->setLedStatus(code);
    Read(version);
    QCOMPARE(shown("lineEdit_LED"), text);
}

void TestDiagnosticsTab::powerBox_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("disabled") << "0"
                              << "0 Power Box Disabled";
    QTest::newRow("enabled") << "1"
                             << "1 Power Box Enabled";
    QTest::newRow("2") << "2"
                       << "No data";
    QTest::newRow("no data code") << "99"
                                  << "No data";
    QTest::newRow("negative") << "-1"
                              << "No data";
}

void TestDiagnosticsTab::powerBox()
{
    QFETCH(QString, code);
    QFETCH(QString, text);

    for (const QString& version : { firstVersion, laterVersion }) {
        device->diagnostics()->setPowerBoxStatus(code);
        Read(version);
        QCOMPARE(shown("lineEdit_PowerBox"), text);
    }
}

void TestDiagnosticsTab::batteryVoltage_data()
{
    QTest::addColumn<QString>("millivolts");
    QTest::addColumn<QString>("text");
    QTest::newRow("typical") << "3712"
                             << "3.712V";
    QTest::newRow("full") << "4095"
                          << "4.095V";
    QTest::newRow("below one volt") << "45"
                                    << "0.045V";
    QTest::newRow("zero") << "0"
                          << "0.000V";
    QTest::newRow("round volts") << "12000"
                                 << "12.000V";
    QTest::newRow("negative") << "-45"
                              << "-0.045V";
    QTest::newRow("not a number") << "4.1"
                                  << "0.000V";
}

void TestDiagnosticsTab::batteryVoltage()
{
    QFETCH(QString, millivolts);
    QFETCH(QString, text);

    device->diagnostics()->setBatteryVoltage(millivolts);
    Read(firstVersion);
    QCOMPARE(shown("lineBattaryVolts"), text);
}

void TestDiagnosticsTab::batteryVoltageInTheReadersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    device->diagnostics()->setBatteryVoltage(QStringLiteral("3870"));
    Read(firstVersion);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown("lineBattaryVolts"), QStringLiteral("3,870V"));
}

void TestDiagnosticsTab::identityCopiedReadingsOnlyShown()
{
    device->mmsi()->setText(QStringLiteral("235123456"));
    device->setSerialNumber(QStringLiteral("AB1234567890"));
    device->diagnostics()->setAdcReading(QStringLiteral("ADC = 1234 "));
    device->diagnostics()->setBatteryVoltage(QStringLiteral("3900"));
    Read(laterVersion);

    QCOMPARE(shown("lineMMSI"), QStringLiteral("235123456"));
    QCOMPARE(shown("lineSerialNumber"), QStringLiteral("AB1234567890"));
    QCOMPARE(shown("lineSwVersion"), laterVersion);
    QCOMPARE(shown("lineRSSI"), QStringLiteral("ADC = 1234 "));
    QCOMPARE(model->mmsi()->text(), QStringLiteral("235123456"));
    QCOMPARE(model->serialNumber(), QStringLiteral("AB1234567890"));
    QCOMPARE(model->appVersion(), laterVersion);
    QCOMPARE(model->diagnostics()->batteryVoltage(), QStringLiteral("0"));

    // Reloading from the tab model shows its own (default) readings.
    QVERIFY(tab->UpdateTabFromModel(nullptr));
    QCOMPARE(shown("lineBattaryVolts"), QStringLiteral("0.000V"));
    QCOMPARE(shown("lineEdit_BattStatus"), noData);
    QCOMPARE(shown("lineRSSI"), QStringLiteral("No Data"));
}

void TestDiagnosticsTab::textThatIsNoNumberReadsZero()
{
    device->diagnostics()->setBatteryStatus(QStringLiteral("x"));
    device->diagnostics()->setLedStatus(QString());
    device->diagnostics()->setPowerBoxStatus(QStringLiteral("on"));
    Read(laterVersion);
    QCOMPARE(shown("lineEdit_BattStatus"), laterCharging.at(0));
    QCOMPARE(shown("lineEdit_LED"), laterLed.at(0));
    QCOMPARE(shown("lineEdit_PowerBox"), QStringLiteral("0 Power Box Disabled"));
}

void TestDiagnosticsTab::indicationsAppendAndFollow()
{
    auto* view = child<QTextEdit>("textEdit_messageIndicators");
    tab->OnSchedulingMessageReceived(QStringLiteral("Position Message 1\n"));
    // A click into the view must not make later messages land there.
    QTextCursor cursor = view->textCursor();
    cursor.setPosition(3);
    view->setTextCursor(cursor);
    tab->OnSchedulingMessageReceived(QStringLiteral("Static Data Message 2\n"));
    QCOMPARE(view->toPlainText(), QStringLiteral("Position Message 1\nStatic Data Message 2\n"));
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

void TestDiagnosticsTab::indicationsTrimmed()
{
    auto* view = child<QTextEdit>("textEdit_messageIndicators");
    const QString line = QString(99, QLatin1Char('x')) + QLatin1Char('\n');
    const int lines = BoundedTextView::MaxLength / line.size();
    QString bulk;
    for (int i = 0; i < lines; ++i)
        bulk += line;
    tab->OnSchedulingMessageReceived(bulk);
    QCOMPARE(BoundedTextView::Length(view), BoundedTextView::MaxLength);

    const QString last = QStringLiteral("!AIVDO last\n");
    tab->OnSchedulingMessageReceived(last);
    const int expected = BoundedTextView::MaxLength + last.size() - BoundedTextView::TrimLength;
    QCOMPARE(BoundedTextView::Length(view), expected);
    const QString text = view->toPlainText();
    QVERIFY(text.endsWith(last));
    QVERIFY(text.startsWith(line));
    QTRY_COMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
}

void TestDiagnosticsTab::exportCancelledRestartsRefresh()
{
    QSignalSpy exports(tab, &DiagnosticsTab::exportConfiguratonLog);
    QSignalSpy refresh(tab, &DiagnosticsTab::refreshTimerControl);
    QString title;
    UiTest::AnswerNextModal([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(child<QPushButton>("pushButtonExportConfigurationLog"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Export configuration log..."));
    QCOMPARE(exports.count(), 0);
    QCOMPARE(refresh.count(), 2);
    QCOMPARE(refresh.at(0).at(0).toBool(), false);
    QCOMPARE(refresh.at(1).at(0).toBool(), true);
}

void TestDiagnosticsTab::exportChosenFileRequested()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("exported.log"));
    QSignalSpy exports(tab, &DiagnosticsTab::exportConfiguratonLog);
    QSignalSpy refresh(tab, &DiagnosticsTab::refreshTimerControl);
    UiTest::AnswerNextModal([&path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    });
    QTest::mouseClick(child<QPushButton>("pushButtonExportConfigurationLog"), Qt::LeftButton);
    QCOMPARE(exports.count(), 1);
    QCOMPARE(exports.at(0).at(0).toString(), path);
    QCOMPARE(refresh.count(), 2);
    QCOMPARE(refresh.last().at(0).toBool(), true);
}

VELMORA_UI_TEST_MAIN(TestDiagnosticsTab)
#include "TestDiagnosticsTab.moc"

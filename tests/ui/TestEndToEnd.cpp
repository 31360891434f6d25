#include "ProgramDriver.h"

#include "history/ProgrammingHistory.h"
#include "ui/BasicTab.h"
#include "ui/ConfigurationTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

// The program against a simulated Identifier, from the first connection to
// the values the device keeps. The two tests share one application, as a
// user's session would: the second logs in for the first time.
class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void basicModeProgramsANewDevice();
    void advancedModeWritesAndReadsBack();
    void writeTheDeviceIgnoresIsNamed();

private:
    static SimConfig Device(const QString& mmsi);
    static void Type(QWidget* page, const char* field, const QString& text);
    static QString ConfigurationLog();
};

SimConfig TestEndToEnd::Device(const QString& mmsi)
{
    SimConfig config;
    config.version = QStringLiteral("050200.02.01.00");
    config.replyDelayMs = 5;
    config.settings.insert(QStringLiteral("mmsi"), mmsi);
    return config;
}

void TestEndToEnd::Type(QWidget* page, const char* field, const QString& text)
{
    auto* edit = page->findChild<QLineEdit*>(QLatin1String(field));
    QVERIFY2(edit && edit->isEnabled(), field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString TestEndToEnd::ConfigurationLog()
{
    QDirIterator files(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")),
        { QStringLiteral("velmoraProgrammed.csv") }, QDir::Files, QDirIterator::Subdirectories);
    if (!files.hasNext())
        return QString();
    QFile log(files.next());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void TestEndToEnd::basicModeProgramsANewDevice()
{
    ProgramDriver program(Device(QStringLiteral("000000000")));
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    BasicTab* basic = program.Window()->GetBasicTab();
    auto* mmsi = basic->findChild<QLineEdit*>(QStringLiteral("lineMMSI"));
    QVERIFY(mmsi->isEnabled());
    QVERIFY(mmsi->text().isEmpty());

    Type(basic, "lineMMSI", QStringLiteral("235123456"));
    Type(basic, "lineVesselName", QStringLiteral("sea sprite"));
    Type(basic, "lineCallSign", QStringLiteral("gbxy"));
    auto* type = basic->findChild<QComboBox*>(QStringLiteral("comboVesselType"));
    type->setCurrentIndex(type->findData(37));
    const int dimensions[] = { 20, 5, 3, 2 };
    const char* const spins[]
        = { "spinBoxDimensionA", "spinBoxDimensionB", "spinBoxDimensionC", "spinBoxDimensionD" };
    for (int i = 0; i < 4; ++i)
        basic->findChild<QSpinBox*>(QLatin1String(spins[i]))->setValue(dimensions[i]);
    basic->findChild<QCheckBox*>(QStringLiteral("checkBox_PowerInterface"))->setChecked(true);

    QString confirmed;
    QString completed;
    UiTest::AnswerNextModal([&confirmed, &completed](QWidget* confirm) {
        confirmed = confirm->findChild<QLabel*>(QStringLiteral("labelShipName"))->text() + QLatin1Char('|')
            + confirm->findChild<QLabel*>(QStringLiteral("labelVesselType"))->text() + QLatin1Char('|')
            + confirm->findChild<QLabel*>(QStringLiteral("label_PowerBoxEnabled"))->text();
        UiTest::ClickButton(confirm, "okButton");
        UiTest::AnswerNextModal(
            [&completed](QWidget* done) {
                completed = done->objectName() + QLatin1Char('|') + done->windowTitle() + QLatin1Char('|')
                    + done->findChild<QLabel*>(QStringLiteral("labelText"))->text().section(QLatin1Char('\n'), 1);
                // The user reads on while the program finds the device again.
                QVERIFY(QTest::qWaitFor(
                    [] {
                        const SerialTransport* link = VelmoraApplication::Instance()->GetTransport();
                        return link && link->IsConnected();
                    },
                    10000));
                UiTest::ClickButton(done, "okButton");
            },
            30000);
    });
    basic->findChild<QToolButton*>(QStringLiteral("toolButtonProgramme"))->click();
    QCOMPARE(confirmed, QStringLiteral("SEA SPRITE|37 = Vessel - Pleasure craft|Enabled"));
    QTRY_COMPARE_WITH_TIMEOUT(completed,
        QStringLiteral("DisconnectDialog|Programming Complete|Verified: every setting sent was read back from the "
                       "Identifier."),
        30000);

    const DeviceSettings& kept = program.device.state().settings;
    const QStringList expected { "mmsi=235123456", "vesselName=SEA SPRITE", "callSign=GBXY", "vesselType=37",
        "dimensionA=20", "dimensionB=5", "dimensionC=3", "dimensionD=2", "powerBoxEnabled=1" };
    for (const QString& pair : expected) {
        const QString key = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(key + QLatin1Char('=') + kept.value(key), pair);
    }
    QVERIFY2(ConfigurationLog().contains(QStringLiteral("235123456")), qPrintable(ConfigurationLog()));

    // The program lets go of the device after programming and finds it again:
    // the MMSI is now programmed and can no longer be changed.
    QVERIFY(program.WaitIdle());
    QTRY_COMPARE_WITH_TIMEOUT(mmsi->text(), QStringLiteral("235123456"), 10000);
    QVERIFY(!mmsi->isEnabled());
    QVERIFY(program.ShowsLink());
}

void TestEndToEnd::advancedModeWritesAndReadsBack()
{
    ProgramDriver program(Device(QStringLiteral("235123456")));
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.LogIn(QStringLiteral("harbour"));
    QCOMPARE(program.Window()->CurrentMode(), MainWindow::Mode::Advanced);
    QVERIFY(program.WaitIdle());

    ConfigurationTab* configuration = program.Window()->GetConfigurationTab();
    Type(configuration, "lineVesselName", QStringLiteral("NORTHERN LIGHT"));
    configuration->findChild<QComboBox*>(QStringLiteral("comboBoxPositionMessageInterval"))
        ->setCurrentIndex(1);
    configuration->findChild<QCheckBox*>(QStringLiteral("checkBoxPositionHigh"))->setChecked(true);
    configuration->findChild<QSpinBox*>(QStringLiteral("spinBoxPositionHighSOG"))->setValue(15);
    configuration->findChild<QDoubleSpinBox*>(QStringLiteral("doubleSpinBoxTxFreqA"))->setValue(161.5);
    configuration->findChild<QSpinBox*>(QStringLiteral("spinBoxDimensionA"))->setValue(12);

    auto* send = program.Find<QToolButton>("sendButton");
    QVERIFY(send->isEnabled());
    send->click();
    QVERIFY(program.WaitIdle());

    const DeviceSettings& kept = program.device.state().settings;
    QCOMPARE(kept.value(QStringLiteral("vesselName")), QStringLiteral("NORTHERN LIGHT"));
    QCOMPARE(kept.value(QStringLiteral("positionInterval")), QStringLiteral("60"));
    QCOMPARE(kept.value(QStringLiteral("highRateInterval")), QStringLiteral("30"));
    QCOMPARE(kept.value(QStringLiteral("channelAFrequency")), QStringLiteral("161500000"));
    QCOMPARE(kept.value(QStringLiteral("dimensionA")), QStringLiteral("12"));

    // Read back: leave the mode and log in again with the new password.
    program.ClickMode(QStringLiteral("Basic mode"));
    QVERIFY(program.WaitIdle());
    UiTest::AnswerNextModal([](QWidget* login) {
        UiTest::TypeInto(login, "lineEditPassword", QStringLiteral("harbour"));
        UiTest::ClickButton(login, "pushOK");
    });
    program.ClickMode(QStringLiteral("Advanced mode"));
    QVERIFY(program.WaitIdle());
    QCOMPARE(configuration->findChild<QLineEdit*>(QStringLiteral("lineVesselName"))->text(),
        QStringLiteral("NORTHERN LIGHT"));
    QCOMPARE(configuration->findChild<QComboBox*>(QStringLiteral("comboBoxPositionMessageInterval"))
                 ->currentText(),
        QStringLiteral("1 minute"));
    QVERIFY(configuration->findChild<QCheckBox*>(QStringLiteral("checkBoxPositionHigh"))->isChecked());
    QCOMPARE(configuration->findChild<QSpinBox*>(QStringLiteral("spinBoxPositionHighSOG"))->value(), 15);
    QCOMPARE(
        configuration->findChild<QDoubleSpinBox*>(QStringLiteral("doubleSpinBoxTxFreqA"))->value(), 161.5);
    QCOMPARE(configuration->findChild<QLabel*>(QStringLiteral("labelSerialNumber"))->text(),
        program.device.config().serialNumber);
}

// A device that acknowledges a setting but keeps its old value: the setting
// is named, and nothing says "Programming Complete".
void TestEndToEnd::writeTheDeviceIgnoresIsNamed()
{
    SimConfig config = Device(QStringLiteral("235123457"));
    config.settings.insert(QStringLiteral("callSign"), QStringLiteral("OLDCALL"));
    config.faults.ignoreWrites = QStringList { QStringLiteral("callSign") };
    ProgramDriver program(config);
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.ClickMode(QStringLiteral("Basic mode"));
    QVERIFY(program.WaitIdle());
    Type(program.Window()->GetBasicTab(), "lineCallSign", QStringLiteral("NEWCALL"));

    QString told;
    UiTest::AnswerNextModal([&told](QWidget* confirm) {
        UiTest::ClickButton(confirm, "okButton");
        UiTest::AnswerNextModal(
            [&told](QWidget* box) {
                const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                told = box->objectName() + QLatin1Char('|') + (text ? text->text() : QString());
                box->close();
            },
            30000);
    });
    program.Window()->GetBasicTab()->findChild<QToolButton*>(QStringLiteral("toolButtonProgramme"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 30000);
    QVERIFY2(told.startsWith(QStringLiteral("mismatchBox|")), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("Vessel: call sign: sent \"NEWCALL\", the Identifier holds \"OLDCALL\"")),
        qPrintable(told));
    QVERIFY(!program.Window()->findChild<QDialog*>(QStringLiteral("DisconnectDialog")));
    QCOMPARE(program.device.state().settings.value(QStringLiteral("callSign")), QStringLiteral("OLDCALL"));

    // The history keeps the session's programmings, this one unverified.
    QString error;
    ProgrammingHistory history;
    QVERIFY2(history.Open(&error), qPrintable(error));
    const QList<ProgrammingRecord> rows = history.Find(QString(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first().callSign, QStringLiteral("NEWCALL"));
    QVERIFY(!rows.first().verified);
    const bool first = std::any_of(rows.cbegin(), rows.cend(), [](const ProgrammingRecord& row) {
        return row.vesselName == QLatin1String("SEA SPRITE") && row.verified && row.source == QLatin1String("window");
    });
    QVERIFY(first);
}

VELMORA_UI_TEST_MAIN(TestEndToEnd)
#include "TestEndToEnd.moc"


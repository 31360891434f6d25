#include "DeviceSettings.h"
#include "ProgramDriver.h"

#include "protocol/NmeaSentence.h"
#include "ui/DiagnosticsTab.h"
#include "ui/SerialTab.h"
#include "ui/cControlTab.h"
#include "ui/cDeviceActionsTab.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTextEdit>

// The control, device actions, diagnostics and serial data pages of advanced
// mode against a simulated Identifier, through the whole program. The tests
// share one application, as a user's session would: the first log-in sets the
// advanced password, later ones use it.
class TestDeviceTabsEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlPageFirstGeneration();
    void controlPageLaterGeneration();
    void deviceActionsReachTheDevice_data();
    void deviceActionsReachTheDevice();
    void diagnosticsRefreshWhileShown();
    void consoleLineReachesTheDevice();

private:
    static SimConfig Device(const QString& version);
    static void EnterAdvancedMode(ProgramDriver& program);
    static void ShowPage(ProgramDriver& program, QWidget* page);
    static void Click(QWidget* page, const char* name);
    static bool Checked(const QWidget* page, const char* name);
    static void CompareKept(
        const ProgramDriver& program, std::initializer_list<std::pair<const char*, const char*>> expected);
    static bool ShowsIcon(ProgramDriver& program, QWidget* page, const char* picture);
    static int DeviceReceived(const ProgramDriver& program, const QString& text);
};

namespace {

const QString password = QStringLiteral("harbour");
const QString firstGeneration = QStringLiteral("050200.02.01.00");
const QString laterGeneration = QStringLiteral("160200.01.00.00");

QString Kept(const ProgramDriver& program, const char* key)
{
    return program.device.state().settings.value(QLatin1String(key));
}

} // namespace

SimConfig TestDeviceTabsEndToEnd::Device(const QString& version)
{
    SimConfig config;
    config.version = version;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    config.bootCIntervalMs = 100;
    config.bootWindowMs = 300;
    config.deepSleepMs = 300;
    config.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235123456"));
    return config;
}

void TestDeviceTabsEndToEnd::EnterAdvancedMode(ProgramDriver& program)
{
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.EnterAdvancedMode(password);
    QCOMPARE(program.Window()->CurrentMode(), MainWindow::Mode::Advanced);
    QVERIFY(program.WaitIdle());
}

void TestDeviceTabsEndToEnd::ShowPage(ProgramDriver& program, QWidget* page)
{
    const int index = program.Tabs()->indexOf(page);
    QVERIFY2(index >= 0, qPrintable(page->objectName()));
    program.Tabs()->setCurrentIndex(index);
}

void TestDeviceTabsEndToEnd::Click(QWidget* page, const char* name)
{
    auto* button = page->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button && button->isEnabled(), name);
    button->click();
}

bool TestDeviceTabsEndToEnd::Checked(const QWidget* page, const char* name)
{
    const auto* button = page->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button)
        qWarning("no button %s", name);
    return button && button->isChecked();
}

// What the device holds after a send, setting by setting.
void TestDeviceTabsEndToEnd::CompareKept(
    const ProgramDriver& program, std::initializer_list<std::pair<const char*, const char*>> expected)
{
    for (const auto& setting : expected)
        QCOMPARE(Kept(program, setting.first), QLatin1String(setting.second));
}

bool TestDeviceTabsEndToEnd::ShowsIcon(ProgramDriver& program, QWidget* page, const char* picture)
{
    const QSize size(16, 16);
    const QIcon shown = program.Tabs()->tabIcon(program.Tabs()->indexOf(page));
    const QIcon expected(QStringLiteral(":/velmora/%1.png").arg(QLatin1String(picture)));
    return !shown.isNull() && shown.pixmap(size).toImage() == expected.pixmap(size).toImage();
}

// How many lines the device has received that contain the text.
int TestDeviceTabsEndToEnd::DeviceReceived(const ProgramDriver& program, const QString& text)
{
    int count = 0;
    for (const QString& entry : program.device.transcript()) {
        if (entry.contains(QLatin1String(" RX ")) && entry.contains(text))
            ++count;
    }
    return count;
}

void TestDeviceTabsEndToEnd::initTestCase()
{
    qRegisterMetaType<SimulatedIdentifier::Mode>();
}

void TestDeviceTabsEndToEnd::controlPageFirstGeneration()
{
    SimConfig config = Device(firstGeneration);
    config.settings.insert(QStringLiteral("insideGeofenceMode"), QStringLiteral("1"));
    config.settings.insert(QStringLiteral("powerBoxEnabled"), QStringLiteral("1"));
    config.settings.insert(QStringLiteral("powerBoxAlertEnabled"), QStringLiteral("1"));
    config.settings.insert(QStringLiteral("sosBuzzerMode"), QStringLiteral("2"));
    ProgramDriver program(config);
    EnterAdvancedMode(program);

    cControlTab* control = program.Window()->GetControlTab();
    ShowPage(program, control);
    QCOMPARE(control->DeviceType(), 1);
    QVERIFY(Checked(control, "radioButtonInsideGeoFenceAlertTx"));
    QVERIFY(Checked(control, "checkBoxPowerBoxEnable"));
    QVERIFY(Checked(control, "checkBoxEnablePowerDisconnectAlert"));
    QVERIFY(Checked(control, "checkBoxAudibleAlertSOS_v4"));
    QVERIFY(ShowsIcon(program, control, "TabSynced"));

    Click(control, "radioButtonBracketErrorNoTx");
    Click(control, "radioButtonOutsideGeoFenceNoTx");
    Click(control, "checkBoxPowerBoxEnable");
    auto* message = control->findChild<QLineEdit*>(QStringLiteral("lineSosAlertMessage"));
    message->selectAll();
    QTest::keyClicks(message, QStringLiteral("help at sea"));
    QVERIFY(ShowsIcon(program, control, "TabEdited"));

    program.Find<QToolButton>("sendButton")->click();
    QVERIFY(program.WaitIdle());
    CompareKept(program,
        {
            { "bracketErrorMode", "0" },
            { "outsideGeofenceMode", "2" },
            { "insideGeofenceMode", "1" },
            { "powerBoxEnabled", "0" },
            { "powerBoxAlertEnabled", "0" },
            { "sosMessage", "HELP AT SEA" },
            // The first generation's page knows only "on": with power becomes always.
            { "sosBuzzerMode", "1" },
        });
    if (QTest::currentTestFailed())
        return;
    QVERIFY(ShowsIcon(program, control, "TabSynced"));

    QVERIFY(program.ReadAgain(password));
    QVERIFY(Checked(control, "radioButtonBracketErrorNoTx"));
    QVERIFY(Checked(control, "radioButtonOutsideGeoFenceNoTx"));
    QVERIFY(!Checked(control, "checkBoxPowerBoxEnable"));
    QVERIFY(
        !control->findChild<QCheckBox*>(QStringLiteral("checkBoxEnablePowerDisconnectAlert"))->isEnabled());
    QCOMPARE(message->text(), QStringLiteral("HELP AT SEA"));
}

void TestDeviceTabsEndToEnd::controlPageLaterGeneration()
{
    SimConfig config = Device(laterGeneration);
    config.settings.insert(QStringLiteral("operationalFenceEnabled"), QStringLiteral("0"));
    config.settings.insert(QStringLiteral("geofenceBuzzerMode"), QStringLiteral("2"));
    config.settings.insert(QStringLiteral("sbasMode"), QStringLiteral("0"));
    ProgramDriver program(config);
    EnterAdvancedMode(program);

    cControlTab* control = program.Window()->GetControlTab();
    ShowPage(program, control);
    QCOMPARE(control->DeviceType(), 4);
    QVERIFY(!Checked(control, "checkBoxOperationalFence"));
    QVERIFY(Checked(control, "radioButton_GeofenceAudibleAlertPower"));
    QVERIFY(!Checked(control, "checkBoxSbasEnable"));

    Click(control, "checkBoxHalvexGeofence");
    Click(control, "checkBoxEncryptionGeoFence");
    Click(control, "radioButtonSOS_AudibleAlertOff");
    Click(control, "checkBoxSbasEnable");
    Click(control, "checkBoxEnablePowerDisconnectAlert");
    Click(control, "checkBoxEnableHalvex");
    program.Find<QToolButton>("sendButton")->click();
    QVERIFY(program.WaitIdle());
    CompareKept(program,
        {
            { "halvexFenceEnabled", "0" },
            { "encryptionFenceEnabled", "0" },
            { "operationalFenceEnabled", "0" },
            { "sosBuzzerMode", "0" },
            { "geofenceBuzzerMode", "2" },
            { "sbasMode", "1" },
            { "powerBoxAlertEnabled", "1" },
            { "boundaryEnabled", "1" },
        });
    if (QTest::currentTestFailed())
        return;

    QVERIFY(program.ReadAgain(password));
    QVERIFY(!Checked(control, "checkBoxHalvexGeofence"));
    QVERIFY(Checked(control, "radioButtonSOS_AudibleAlertOff"));
    QVERIFY(Checked(control, "checkBoxSbasEnable"));
    QVERIFY(Checked(control, "checkBoxEnableHalvex"));
    QVERIFY(ShowsIcon(program, control, "TabSynced"));
}

void TestDeviceTabsEndToEnd::deviceActionsReachTheDevice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("resets");
    QTest::newRow("clear paired bracket") << "pushButtonClearId"
                                          << "resetholdid"
                                          << "holderId"
                                          << "5A31C2D0" << true;
    QTest::newRow("reset vessel data") << "pushButtonResetVessel"
                                       << "resetvessel"
                                       << "vesselName"
                                       << "SEA SPRITE" << true;
    QTest::newRow("reset configuration") << "pushButtonResetConfig"
                                         << "resetproduct"
                                         << "sosMessage"
                                         << "HELP" << true;
    QTest::newRow("deep sleep") << "pushButtonDeepSleep"
                                << "deepsleep"
                                << "sosMessage"
                                << "HELP" << false;
}

void TestDeviceTabsEndToEnd::deviceActionsReachTheDevice()
{
    QFETCH(QString, button);
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(QString, before);
    QFETCH(bool, resets);
    // A reset puts the setting back to what a new device holds.
    const QString after = resets ? DeviceSettings().value(key) : before;
    QVERIFY2(!resets || after != before, "a reset must be seen to change the setting");

    SimConfig config = Device(firstGeneration);
    config.settings.insert(key, before);
    ProgramDriver program(config);
    EnterAdvancedMode(program);
    cDeviceActionsTab* actions = program.Window()->GetDeviceActionsTab();
    ShowPage(program, actions);
    QVERIFY(ShowsIcon(program, actions, "TabSynced"));
    QSignalSpy modes(&program.device, &SimulatedIdentifier::modeChanged);

    Click(actions, button.toLatin1().constData());
    const QList<QPushButton*> buttons = actions->findChildren<QPushButton*>();
    for (QPushButton* other : buttons)
        QVERIFY(!other->isEnabledTo(actions));

    QTRY_VERIFY_WITH_TIMEOUT(DeviceReceived(program, command) == 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(Kept(program, key.toLatin1().constData()), after, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(ShowsIcon(program, actions, "TabSynced"), 10000);
    for (QPushButton* other : buttons)
        QTRY_VERIFY_WITH_TIMEOUT(other->isEnabledTo(actions), 10000);
    if (command != QLatin1String("resetholdid"))
        QTRY_VERIFY_WITH_TIMEOUT(!modes.isEmpty(), 10000);
    // The device is back and the program has found it again.
    QTRY_COMPARE_WITH_TIMEOUT(program.device.mode(), SimulatedIdentifier::Mode::Running, 10000);
    QVERIFY(program.WaitIdle());
}

void TestDeviceTabsEndToEnd::diagnosticsRefreshWhileShown()
{
    SimConfig config = Device(laterGeneration);
    config.ledStatus = 8;
    config.settings.insert(QStringLiteral("positionInterval"), QStringLiteral("1"));
    ProgramDriver program(config);
    EnterAdvancedMode(program);
    DiagnosticsTab* diagnostics = program.Window()->GetDiagnosticsTab();
    auto* volts = diagnostics->findChild<QLineEdit*>(QStringLiteral("lineBattaryVolts"));
    QVERIFY(volts->text().startsWith(QLatin1String("4.0")));
    QCOMPARE(diagnostics->findChild<QLineEdit*>(QStringLiteral("lineEdit_LED"))->text(),
        QStringLiteral("8 OK (in bracket)"));
    QCOMPARE(diagnostics->findChild<QLineEdit*>(QStringLiteral("lineEdit_BattStatus"))->text(),
        QStringLiteral("2 Charge in progress"));
    QCOMPARE(
        diagnostics->findChild<QLineEdit*>(QStringLiteral("lineMMSI"))->text(), QStringLiteral("235123456"));

    const int readsBefore = DeviceReceived(program, QStringLiteral("battvolts"));
    ShowPage(program, diagnostics);
    QTRY_VERIFY_WITH_TIMEOUT(DeviceReceived(program, QStringLiteral("battvolts")) >= readsBefore + 2, 12000);
    QVERIFY(program.WaitIdle());
    // The refresh that was counted may still be reading the other values.
    QTRY_VERIFY_WITH_TIMEOUT(ShowsIcon(program, diagnostics, "TabSynced"), 5000);
    auto* indications = diagnostics->findChild<QTextEdit*>(QStringLiteral("textEdit_messageIndicators"));
    QTRY_VERIFY(indications->toPlainText().contains(QLatin1String("Position Message")));

    ShowPage(program, program.Window()->GetControlTab());
    // A refresh already under way still finishes.
    QTRY_VERIFY_WITH_TIMEOUT(ShowsIcon(program, diagnostics, "TabSynced"), 5000);
    const int readsWhenLeft = DeviceReceived(program, QStringLiteral("battvolts"));
    QTest::qWait(6000);
    QCOMPARE(DeviceReceived(program, QStringLiteral("battvolts")), readsWhenLeft);
}

void TestDeviceTabsEndToEnd::consoleLineReachesTheDevice()
{
    ProgramDriver program(Device(firstGeneration));
    EnterAdvancedMode(program);
    SerialTab* console = program.Window()->GetSerialTab();
    ShowPage(program, console);

    auto* line = console->findChild<QLineEdit*>(QStringLiteral("lineSend"));
    QVERIFY(line->isEnabled());
    QTest::keyClicks(line, QStringLiteral("$ECAIQ,SSD"));
    Click(console, "toolButtonSend");
    const QString sent = QStringLiteral("$ECAIQ,SSD*") + NmeaSentence::checksum(QStringLiteral("$ECAIQ,SSD"));
    QTRY_COMPARE_WITH_TIMEOUT(DeviceReceived(program, sent), 1, 5000);
    auto* view = console->findChild<QTextEdit*>(QStringLiteral("textEditReceived"));
    QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().contains(QLatin1String("$AISSD,")), 5000);
    // The program's own polling goes on behind, unseen.
    QVERIFY(!view->toPlainText().contains(QLatin1String("255,getserno")));
}

VELMORA_UI_TEST_MAIN(TestDeviceTabsEndToEnd)
#include "TestDeviceTabsEndToEnd.moc"

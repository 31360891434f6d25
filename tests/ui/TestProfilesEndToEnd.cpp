#include "DeviceSettings.h"
#include "ProgramDriver.h"

#include "control/StateMachine.h"
#include "ui/ProfileActions.h"
#include "ui/ConfigurationTab.h"
#include "ui/cControlTab.h"
#include "ui/cDeviceActionsTab.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

// Configuration profiles through the whole program against simulated
// Identifiers: a profile cloned from one device onto another, and the backup
// taken before a reset brought back. The tests share one application, as a
// user's session would: the first log-in sets the advanced password.
class TestProfilesEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void profileClonedOntoAnotherDevice();
    void backupBeforeResetRestoresTheDevice();

private:
    static SimConfig Device(const QString& serialNumber, const QString& mmsi);
    static void EnterAdvancedMode(ProgramDriver& program);
    static ProfileActions* Actions(const ProgramDriver& program);
    static void Send(ProgramDriver& program);
    static void Reset(ProgramDriver& program, const char* button);
    static void Answer(const char* button);
    static void AnswerIdentity(const QString& mmsi, QString* offered, const char* warning = nullptr);
    static QStringList Kept(const ProgramDriver& program, const QStringList& except = {});
    static QString Kept(const ProgramDriver& program, const char* key);
    static QString Status(const ProgramDriver& program);
};

namespace {

const QString password = QStringLiteral("harbour");

} // namespace

SimConfig TestProfilesEndToEnd::Device(const QString& serialNumber, const QString& mmsi)
{
    SimConfig config;
    config.version = QStringLiteral("160200.01.00.00");
    config.serialNumber = serialNumber;
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    config.bootCIntervalMs = 100;
    config.bootWindowMs = 300;
    config.settings.insert(QStringLiteral("mmsi"), mmsi);
    return config;
}

void TestProfilesEndToEnd::EnterAdvancedMode(ProgramDriver& program)
{
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.EnterAdvancedMode(password);
    QVERIFY(program.WaitIdle());
}

ProfileActions* TestProfilesEndToEnd::Actions(const ProgramDriver& program)
{
    return program.Find<ProfileActions>("profileActions");
}

// Sends every page; the button sends only from a page that holds settings.
void TestProfilesEndToEnd::Send(ProgramDriver& program)
{
    program.Tabs()->setCurrentWidget(program.Window()->GetConfigurationTab());
    program.Find<QToolButton>("sendButton")->click();
    QVERIFY(program.WaitIdle());
}

// Resets, waits until the device is back and reads every page again.
void TestProfilesEndToEnd::Reset(ProgramDriver& program, const char* button)
{
    cDeviceActionsTab* actions = program.Window()->GetDeviceActionsTab();
    program.Tabs()->setCurrentWidget(actions);
    actions->findChild<QPushButton*>(QLatin1String(button))->click();
    QCOMPARE(Status(program),
        QStringLiteral("Resetting the Identifier: it restarts, then its values are read again..."));
    QTRY_VERIFY_WITH_TIMEOUT(program.device.mode() != SimulatedIdentifier::Mode::Running, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(program.device.mode(), SimulatedIdentifier::Mode::Running, 10000);
    QVERIFY(program.WaitIdle());
    QVERIFY(program.ReadAgain(password));
}

// Clicks a button of the next message box, by object name or by its
// standard button's text.
void TestProfilesEndToEnd::Answer(const char* button)
{
    UiTest::AnswerNextModal([button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QAbstractButton* named = box->findChild<QPushButton*>(QLatin1String(button));
        const QMap<QString, QMessageBox::StandardButton> standard
            = { { QStringLiteral("No"), QMessageBox::No },
                  { QStringLiteral("Cancel"), QMessageBox::Cancel } };
        if (!named)
            named = box->button(standard.value(QLatin1String(button), QMessageBox::Ok));
        QVERIFY2(named, button);
        named->click();
    });
}

// Gives this vessel's identity when asked for it, and answers the warning
// that may follow with the button `warning`. The values offered are kept as
// "mmsi|name|call sign|whose dimensions".
void TestProfilesEndToEnd::AnswerIdentity(const QString& mmsi, QString* offered, const char* warning)
{
    UiTest::AnswerNextModal([mmsi, offered, warning](QWidget* question) {
        QStringList fields;
        for (const char* name : { "lineMmsi", "lineVesselName", "lineCallSign" })
            fields << UiTest::Child<QLineEdit>(question, name)->text();
        const bool take = UiTest::Child<QRadioButton>(question, "radioTakeDimensions")->isChecked();
        *offered = fields.join(QLatin1Char('|')) + (take ? "|profile's dimensions" : "|own dimensions");
        UiTest::TypeInto(question, "lineMmsi", mmsi);
        UiTest::TypeInto(question, "lineVesselName", QStringLiteral("north star"));
        UiTest::TypeInto(question, "lineCallSign", QStringLiteral("mabc"));
        if (warning)
            Answer(warning);
        UiTest::ClickButton(question, "okButton");
    });
}

// What the device holds, one "key=value" line a setting.
QStringList TestProfilesEndToEnd::Kept(const ProgramDriver& program, const QStringList& except)
{
    const QJsonObject settings = program.device.state().settings.toJson();
    QStringList lines;
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (!except.contains(it.key()))
            lines << it.key() + QLatin1Char('=') + it.value().toVariant().toString();
    }
    return lines;
}

QString TestProfilesEndToEnd::Kept(const ProgramDriver& program, const char* key)
{
    return program.device.state().settings.value(QLatin1String(key));
}

QString TestProfilesEndToEnd::Status(const ProgramDriver& program)
{
    return program.Window()->statusBar()->currentMessage();
}

void TestProfilesEndToEnd::profileClonedOntoAnotherDevice()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fleet.json"));
    // The destination is not in a profile, and the vessel's identity and
    // dimensions are this vessel's own.
    const QStringList ownSettings = { QStringLiteral("mmsi"), QStringLiteral("holderId"),
        QStringLiteral("destination"), QStringLiteral("vesselName"), QStringLiteral("callSign"),
        QStringLiteral("dimensionA"), QStringLiteral("dimensionB") };
    QStringList source;
    {
        SimConfig config = Device(QStringLiteral("205170030001"), QStringLiteral("235000001"));
        const QPair<const char*, const char*> settings[] = { { "callSign", "GBXY" },
            { "vesselName", "SEA SPRITE" }, { "dimensionA", "7" }, { "dimensionB", "4" }, { "vesselType", "37" },
            { "sosMessage", "CALL COASTGUARD" }, { "geofenceBuzzerMode", "2" },
            { "sbasMode", "0" }, { "powerBoxAlertEnabled", "1" }, { "logDistance", "1000" } };
        for (const auto& setting : settings)
            config.settings.insert(QLatin1String(setting.first), QLatin1String(setting.second));
        ProgramDriver program(config);
        EnterAdvancedMode(program);
        QVERIFY(Actions(program)->SaveProfile(path));
        QVERIFY2(Status(program).contains(QDir::toNativeSeparators(path)), qPrintable(Status(program)));
        source = Kept(program, ownSettings);
    }

    SimConfig target = Device(QStringLiteral("205170030002"), QStringLiteral("235000002"));
    target.settings.insert(QStringLiteral("destination"), QStringLiteral("FALMOUTH"));
    target.settings.insert(QStringLiteral("vesselName"), QStringLiteral("OLD NAME"));
    target.settings.insert(QStringLiteral("dimensionA"), QStringLiteral("12"));
    ProgramDriver program(target);
    EnterAdvancedMode(program);
    StateMachine* machine = VelmoraApplication::Instance()->GetStateMachine();
    // Taking the other device's MMSI is warned of; declining leaves the pages alone.
    QString offered;
    AnswerIdentity(QStringLiteral("235000001"), &offered, "No");
    QVERIFY(!Actions(program)->OpenProfile(path));
    QCOMPARE(machine->State(StateMachine::TabConfiguration), int(StateMachine::StateSynchronised));

    AnswerIdentity(QStringLiteral("235000002"), &offered);
    QVERIFY(Actions(program)->OpenProfile(path));
    QCOMPARE(offered, QStringLiteral("235000002|OLD NAME||own dimensions"));
    QCOMPARE(machine->State(StateMachine::TabConfiguration), int(StateMachine::StateEdited));
    // Quitting with the profile unsent asks first; Send writes it and stays.
    for (const char* button : { "Cancel", "sendEdits" }) {
        Answer(button);
        QVERIFY(!program.Window()->close());
        QVERIFY(program.Window()->isVisible());
    }
    QVERIFY(program.WaitIdle());
    QCOMPARE(machine->State(StateMachine::TabConfiguration), int(StateMachine::StateSynchronised));
    const QStringList kept = { Kept(program, "mmsi"), Kept(program, "vesselName"), Kept(program, "callSign"),
        Kept(program, "dimensionA"), Kept(program, "destination") };
    QCOMPARE(kept.join(QLatin1Char('|')), QStringLiteral("235000002|NORTH STAR|MABC|12|FALMOUTH"));
    QCOMPARE(Kept(program, ownSettings), source);
}

void TestProfilesEndToEnd::backupBeforeResetRestoresTheDevice()
{
    SimConfig config = Device(QStringLiteral("205170030003"), QStringLiteral("235000003"));
    config.settings.insert(QStringLiteral("vesselType"), QStringLiteral("37"));
    config.settings.insert(QStringLiteral("vesselName"), QStringLiteral("SEA SPRITE"));
    ProgramDriver program(config);
    EnterAdvancedMode(program);
    const QString backups = ProfileActions::BackupFolder();
    auto* message = program.Window()->GetControlTab()->findChild<QLineEdit*>(QStringLiteral("lineSosAlertMessage"));
    program.Tabs()->setCurrentWidget(program.Window()->GetControlTab());
    message->selectAll();
    QTest::keyClicks(message, QStringLiteral("call coastguard"));
    Send(program);
    QCOMPARE(Kept(program, "sosMessage"), QStringLiteral("CALL COASTGUARD"));
    const QStringList configured = Kept(program);

    Reset(program, "pushButtonResetConfig");
    const QStringList saved = QDir(backups).entryList({ QStringLiteral("205170030003-*.json") });
    QCOMPARE(saved.size(), 1);
    QVERIFY2(Status(program).contains(saved.first()), qPrintable(Status(program)));
    QCOMPARE(message->text(), DeviceSettings().value(QStringLiteral("sosMessage")));
    program.Window()->findChild<QAction*>(QStringLiteral("actionRestoreBackup"))->trigger();
    QCOMPARE(message->text(), QStringLiteral("CALL COASTGUARD"));
    QVERIFY2(Status(program).contains(saved.first()), qPrintable(Status(program)));
    // A menu action without a tip, passed over, leaves the link's state.
    auto* menu = program.Find<QMenu>("menuFile");
    menu->popup(program.Window()->pos());
    QTest::keyClick(menu, Qt::Key_Down);
    menu->hide();
    QVERIFY(program.ShowsLink());
    Send(program);
    QCOMPARE(Kept(program), configured);

    // A backup that cannot be written is told of, and the reset goes ahead.
    QVERIFY(QDir(backups).removeRecursively());
    QFile blocker(backups);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString told;
    UiTest::AnswerNextModal([&told](QWidget* box) {
        told = box->windowTitle();
        box->close();
    });
    Reset(program, "pushButtonResetVessel");
    QCOMPARE(told, QStringLiteral("No backup before the reset"));
    QCOMPARE(Kept(program, "vesselName"), QString());
}

VELMORA_UI_TEST_MAIN(TestProfilesEndToEnd)
#include "TestProfilesEndToEnd.moc"

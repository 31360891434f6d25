#include "FaultRig.h"

#include "protocol/cChapPasswordEntry.h"
#include "protocol/cSecurityDomainManager.h"
#include "ui/BasicTab.h"
#include "ui/ConfigurationTab.h"

#include <QLineEdit>

// Reading and writing settings while the device misbehaves: the user sees
// what went wrong, what the user typed stays in the window, what the device
// holds is either the old or the new value, and the program recovers.
class TestFaultsReadWrite : public QObject {
    Q_OBJECT

private slots:
    void unpluggedDuringRead();
    void unpluggedDuringWriteRun();
    void mmsiEraseUnanswered();
    void badReplyDuringRead_data();
    void badReplyDuringRead();
    void silence();
    void relock();
    void rateMismatch();

private:
    static SimConfig Device();
    static QString Field(QWidget* page, const char* name);
    static QString Status(const FaultRig& program);
};

namespace {

const QString ready = QStringLiteral("Ready");

} // namespace

SimConfig TestFaultsReadWrite::Device()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235123456"));
    config.settings.insert(QStringLiteral("vesselName"), QStringLiteral("SEA SPRITE"));
    config.settings.insert(QStringLiteral("callSign"), QStringLiteral("GBXY"));
    return config;
}

QString TestFaultsReadWrite::Field(QWidget* page, const char* name)
{
    return UiTest::Child<QLineEdit>(page, name)->text();
}

QString TestFaultsReadWrite::Status(const FaultRig& program)
{
    return program.Window()->statusBar()->currentMessage();
}

void TestFaultsReadWrite::unpluggedDuringRead()
{
    FaultRig program(Device());
    program.OnReceived(QStringLiteral("AIQ,SSD"), [&program] { program.Unplug(); });
    QVERIFY(program.Start());
    const QJsonObject before = program.device.state().settings.toJson();
    BasicTab* basic = program.Window()->GetBasicTab();
    // The program lets go of the vanished port and waits for the device.
    QTRY_COMPARE_WITH_TIMEOUT(Status(program), ready, 5000);
    QTRY_VERIFY(program.ShowsDeviceLost());
    QVERIFY(
        QStringList({ QString(), QStringLiteral("SEA SPRITE") }).contains(Field(basic, "lineVesselName")));

    QVERIFY(program.PlugInAgain());
    QVERIFY(program.WaitIdle());
    QVERIFY(program.Boxes().isEmpty());
    QCOMPARE(Field(basic, "lineVesselName"), QStringLiteral("SEA SPRITE"));
    QCOMPARE(program.Current().state().settings.toJson(), before);
}

void TestFaultsReadWrite::unpluggedDuringWriteRun()
{
    FaultRig program(Device());
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.LogIn(QStringLiteral("harbour"));
    QVERIFY(program.WaitIdle());
    ConfigurationTab* configuration = program.Window()->GetConfigurationTab();
    auto* name = UiTest::Child<QLineEdit>(configuration, "lineVesselName");
    FaultRig::Type(configuration, "lineVesselName", QStringLiteral("NORTHERN LIGHT"));
    QJsonObject before = program.device.state().settings.toJson();
    program.OnReceived(QStringLiteral("SSD,"), [&program] { program.Unplug(); });
    program.Find<QToolButton>("sendButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(Status(program), ready, 5000);
    QTRY_VERIFY(program.ShowsDeviceLost());
    // Nothing claims the write went through; the typed text waits in its field.
    QCOMPARE(name->text(), QStringLiteral("NORTHERN LIGHT"));
    QJsonObject kept = program.device.state().settings.toJson();
    QVERIFY(QStringList({ QStringLiteral("SEA SPRITE"), QStringLiteral("NORTHERN LIGHT") })
                .contains(kept.take(QStringLiteral("vesselName")).toString()));
    before.remove(QStringLiteral("vesselName"));
    QCOMPARE(kept, before);

    // Back in step: the window shows what the device holds.
    QVERIFY(program.PlugInAgain());
    QTRY_VERIFY_WITH_TIMEOUT(program.Boxes().isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(
        name->text(), program.Current().state().settings.value(QStringLiteral("vesselName")), 10000);
}

// A new MMSI goes out after the device's own is erased: a write that stops
// in between says the device may be left without one.
void TestFaultsReadWrite::mmsiEraseUnanswered()
{
    SimConfig config = Device();
    config.faults.dropReplies = QStringList { QStringLiteral("reset_mmsi") };
    FaultRig program(config);
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    program.EnterAdvancedMode(QStringLiteral("harbour"));
    QVERIFY(program.WaitIdle());
    FaultRig::Type(program.Window()->GetConfigurationTab(), "lineMMSI", QStringLiteral("235999999"));
    program.Find<QToolButton>("sendButton")->click();
    const QString told = QStringLiteral("may be left without its MMSI");
    QTRY_VERIFY_WITH_TIMEOUT(FaultRig::Shows(told), 15000);
}

void TestFaultsReadWrite::badReplyDuringRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbled") << QStringLiteral("corrupt");
    QTest::newRow("wrong command") << QStringLiteral("wrong");
}

void TestFaultsReadWrite::badReplyDuringRead()
{
    QFETCH(QString, kind);
    SimConfig config = Device();
    (kind == QLatin1String("corrupt") ? config.faults.corruptReplies : config.faults.wrongCommandReplies)
        << QStringLiteral("SSD#1") << QStringLiteral("getserno#1");
    FaultRig program(config);
    QVERIFY(program.Start());
    const QJsonObject before = program.device.state().settings.toJson();
    QVERIFY(program.WaitIdle());
    QCOMPARE(Field(program.Window()->GetBasicTab(), "lineVesselName"), QStringLiteral("SEA SPRITE"));
    QCOMPARE(Field(program.Window()->GetBasicTab(), "lineCallSign"), QStringLiteral("GBXY"));
    QVERIFY(program.Boxes().isEmpty());
    QCOMPARE(program.device.state().settings.toJson(), before);
}

void TestFaultsReadWrite::silence()
{
    FaultRig program(Device());
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    FaultPlan silent;
    silent.silentAfterMs = 0;
    program.device.setFaults(silent);
    // The program stops calling the device connected and keeps trying it,
    // at both rates, until it answers again.
    QTRY_COMPARE_WITH_TIMEOUT(Status(program), ready, 8000);
    QTRY_VERIFY(!program.Window()->GetBasicTab()->isEnabled());
    QVERIFY(program.PlugInAgain());
    QVERIFY(program.WaitIdle());
    QVERIFY(program.Boxes().isEmpty());
}

void TestFaultsReadWrite::relock()
{
    SimConfig config = Device();
    config.password = QStringLiteral("harbour");
    config.relockAfterMs = 300;
    FaultRig program(config);
    // The user's answer to the password prompt, counted.
    auto prompts = std::make_shared<int>(0);
    cSecurityDomainManager::setDefaultPasswordSource([prompts] {
        ++*prompts;
        return QStringLiteral("harbour");
    });
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    // Between two polls the device locks itself again; each time the
    // program asks for the password and carries on, still connected.
    QTRY_VERIFY_WITH_TIMEOUT(*prompts >= 3, 10000);
    QVERIFY(program.WaitIdle());
    QVERIFY(Status(program) != ready);
    QVERIFY(program.Boxes().isEmpty());
    cSecurityDomainManager::setDefaultPasswordSource(&cChapPasswordEntry::askPassword);
}

void TestFaultsReadWrite::rateMismatch()
{
    SimConfig config = Device();
    config.baud = 38400;
    FaultRig program(config);
    QVERIFY(program.Start());
    QVERIFY(program.WaitIdle());
    QCOMPARE(Field(program.Window()->GetBasicTab(), "lineVesselName"), QStringLiteral("SEA SPRITE"));
}

VELMORA_UI_TEST_MAIN(TestFaultsReadWrite)
#include "TestFaultsReadWrite.moc"

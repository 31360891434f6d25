#include "StateMachineBench.h"
#include "app/JobNames.h"
#include "control/UpdaterLauncher.h"
#include "profile/ProfileSetting.h"
#include "protocol/cSecurityDomainManager.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

namespace {

QStringList QueuedNames(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& call : spy) {
        names << call.at(0).toString();
    }
    return names;
}

int LineCount(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : -1;
}

// A newer image for the simulated device; empty when it cannot be written.
QString WriteImage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("IDENTIFIER FIRMWARE") > 0 ? path : QString();
}

} // namespace

class TestStateMachineLink : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void identifiesTheDevice_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("type");
        QTest::newRow("first generation") << "050200.02.01.00" << 1;
        QTest::newRow("first generation, later release") << "050200.03.00.01" << 2;
        QTest::newRow("later generation") << "160200.01.00.00" << 4;
    }
    void identifiesTheDevice()
    {
        QFETCH(QString, version);
        QFETCH(int, type);
        Bench bench(QuickDevice(version));
        QVERIFY(bench.started);
        QSignalSpy jobs(bench.machine.get(), &StateMachine::QueueJob);
        QSignalSpy ready(bench.machine.get(), &StateMachine::readyForConnection);
        QVERIFY(bench.Identify());
        QCOMPARE(QueuedNames(jobs).mid(0, 2), QStringList({ JobName::ConnectionTest, JobName::Version }));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(bench.machine->DeviceType(), type);
        QCOMPARE(bench.transportModel.appVersion(), version);
        QCOMPARE(bench.machine->SerialNumber(), bench.device.config().serialNumber);
        QCOMPARE(bench.machine->State(StateMachine::TabConfiguration), int(StateMachine::StateNotSynchronised));
    }

    void writesAllTabsAndReadsThemBack()
    {
        Bench bench(QuickDevice());
        QVERIFY(bench.Identify());
        bench.machine->GetAllTabs();
        QVERIFY(bench.WaitIdle());
        QCOMPARE(bench.machine->State(StateMachine::TabConfiguration), int(StateMachine::StateSynchronised));
        QCOMPARE(bench.machine->State(StateMachine::TabControl), int(StateMachine::StateSynchronised));

        bench.tabModel.staticData()->setVesselName(QStringLiteral("KITTIWAKE"));
        bench.tabModel.messages()->setPositionInterval(60);
        const QString log = bench.folder.filePath(QStringLiteral("velmoraProgrammed.csv"));
        const int rowsBefore = LineCount(log);
        Profile sent;
        bool verified = false;
        connect(bench.machine.get(), &StateMachine::WriteVerified,
            [&](const Profile& profile, const QList<ProfileComparisonRow>&) {
                sent = profile;
                verified = true;
            });
        bench.machine->SendAllTabs();
        QTRY_VERIFY_WITH_TIMEOUT(verified, 15000);
        QVERIFY(bench.WaitIdle());
        // Every setting of the device was read, and all but the unchanged MMSI
        // written: the record holds each as such.
        for (const ProfileSetting& setting : ProfileSetting::All()) {
            const Profile::Source expected
                = setting.perVessel ? Profile::Source::Read : Profile::Source::Given;
            QVERIFY2(!setting.HeldBy(bench.machine->DeviceType()) || sent.SourceOf(setting) == expected,
                qPrintable(setting.Path()));
        }
        QCOMPARE(bench.device.state().settings.value(QStringLiteral("vesselName")), QStringLiteral("KITTIWAKE"));
        QCOMPARE(bench.device.state().settings.number(QStringLiteral("positionInterval")), 60);
        QCOMPARE(LineCount(log), rowsBefore + 1);

        bench.transportModel.reset();
        bench.machine->GetAllTabs();
        QVERIFY(bench.WaitIdle());
        QCOMPARE(bench.transportModel.staticData()->vesselName(), QStringLiteral("KITTIWAKE"));
        QCOMPARE(bench.transportModel.messages()->positionInterval(), 60);
    }

    // Timed where the device hears the polls. A loaded machine only makes
    // a gap longer, so the shortest of three must lie near one second.
    void pollsTheDeviceOnceASecondWhileIdle()
    {
        Bench bench(QuickDevice());
        QVERIFY(bench.Identify());
        QSignalSpy changed(bench.machine.get(), &StateMachine::changeOfDevice);
        QElapsedTimer clock;
        clock.start();
        QList<qint64> polls;
        connect(&bench.device, &SimulatedIdentifier::transcriptEntry, [&](const QString& entry) {
            if (entry.contains(QLatin1String(" RX ")) && entry.contains(QLatin1String(",getserno,"))) {
                polls << clock.elapsed();
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(polls.size() >= 4, 10000);
        qint64 shortest = polls.at(1) - polls.at(0);
        for (int i = 2; i < polls.size(); ++i) {
            shortest = qMin(shortest, polls.at(i) - polls.at(i - 1));
        }
        QVERIFY2(shortest >= 900 && shortest <= 1500, qPrintable(QStringLiteral("%1 ms").arg(shortest)));
        QCOMPARE(changed.count(), 0);
    }

    void opensALockedDeviceWithItsPassword()
    {
        SimConfig config = QuickDevice();
        config.password = QStringLiteral("harbour");
        int prompts = 0;
        cSecurityDomainManager::setDefaultPasswordSource([&prompts] {
            ++prompts;
            return QStringLiteral("harbour");
        });
        Bench bench(config);
        QVERIFY(bench.Identify());
        QVERIFY(!bench.device.isLocked());
        QCOMPARE(prompts, 1);
        cSecurityDomainManager::setDefaultPasswordSource(nullptr);
    }

    void silenceMidReadReportsAndDisconnects()
    {
        Bench bench(QuickDevice());
        QVERIFY(bench.Identify());
        QSignalSpy errors(bench.machine.get(), &StateMachine::DisplayError);
        QSignalSpy disconnects(bench.machine.get(), &StateMachine::Disconnect);
        bench.device.unplug();
        bench.machine->GetTab(StateMachine::TabConfiguration);
        QVERIFY(disconnects.wait(10000));
        QCOMPARE(disconnects.at(0).at(0).toBool(), true);
        QVERIFY(!errors.isEmpty());
    }

    void outdatedDeviceIsHandedToTheUpdater_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("code");
        QTest::newRow("115200 baud") << 115200 << "19";
        // Found at the second rate: not taken for a device left silent.
        QTest::newRow("38400 baud") << 38400 << "15";
    }
    void outdatedDeviceIsHandedToTheUpdater()
    {
        QFETCH(int, rate);
        QFETCH(QString, code);
        QTemporaryDir images;
        const QString image = WriteImage(images.filePath(QStringLiteral("050200_02_05_00.img")));
        SimConfig config = QuickDevice();
        config.baud = rate;
        Bench bench(config, images.path());
        const QString record = bench.folder.filePath(QStringLiteral("arguments.txt"));
        bench.machine->Updater()->SetProgram(QStringLiteral(RECORD_ARGUMENTS));
        qputenv("RECORD_ARGUMENTS_TO", record.toUtf8());
        // Long enough for several poll ticks while the updater holds the port.
        qputenv("RECORD_ARGUMENTS_STAY_MS", "3000");
        QStringList events;
        connect(bench.machine.get(), &StateMachine::updaterRunning,
            [&events](bool running) { events << (running ? QStringLiteral("started") : QStringLiteral("ended")); });
        connect(bench.machine.get(), &StateMachine::QueueJob, [&events](const QString& job) { events << job; });
        QSignalSpy tests(bench.transport.get(), &Transport::testConnection);
        QSignalSpy errors(bench.machine.get(), &StateMachine::DisplayError);
        QVERIFY(bench.transport->ConnectAtBaud(true));
        QTRY_VERIFY_WITH_TIMEOUT(events.contains(QStringLiteral("ended")), 15000);
        // No device work while the updater runs.
        const int started = events.indexOf(QStringLiteral("started"));
        QVERIFY2(started >= 0 && events.at(started + 1) == QStringLiteral("ended"),
            qPrintable(events.join(QStringLiteral(", "))));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList arguments = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(arguments.mid(0, 3), QStringList({ image, bench.device.portPath(), code }));
        // The port is taken back and tested again; the device is still
        // outdated, and is not handed over a second time.
        QTRY_VERIFY_WITH_TIMEOUT(tests.count() >= 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 5000);
        QTest::qWait(1000);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.last().at(0).toString(), QStringLiteral("The firmware could not be updated."));
        QCOMPARE(events.count(QStringLiteral("started")), 1);
        qunsetenv("RECORD_ARGUMENTS_TO");
        qunsetenv("RECORD_ARGUMENTS_STAY_MS");
    }

    // The stand-in updater leaves the device silent, as a transfer cut short
    // leaves it in its boot loader.
    void deviceSilentAfterTheUpdaterIsSaidToWaitInItsBootLoader()
    {
        QTemporaryDir images;
        QVERIFY(!WriteImage(images.filePath(QStringLiteral("050200_02_05_00.img"))).isEmpty());
        Bench bench(QuickDevice(), images.path());
        bench.machine->Updater()->SetProgram(QStringLiteral(RECORD_ARGUMENTS));
        connect(bench.machine.get(), &StateMachine::updaterRunning, [&bench](bool running) {
            if (running) {
                bench.device.unplug();
            }
        });
        QSignalSpy errors(bench.machine.get(), &StateMachine::DisplayError);
        QVERIFY(bench.transport->ConnectAtBaud(true));
        QTRY_VERIFY_WITH_TIMEOUT(!errors.isEmpty(), 30000);
        QCOMPARE(errors.first(),
            QVariantList({ "The firmware could not be updated.",
                "The Identifier is waiting in its boot loader; connect it again to recover it." }));
    }

    void equalVersionStartsNoUpdater()
    {
        QTemporaryDir images;
        QFile(images.filePath(QStringLiteral("050200_02_01_00.img"))).open(QIODevice::WriteOnly);
        QFile(images.filePath(QStringLiteral("160200_09_00_00.img"))).open(QIODevice::WriteOnly);
        Bench bench(QuickDevice(), images.path());
        QSignalSpy release(bench.machine.get(), &StateMachine::usePortForSwUpdate);
        QVERIFY(bench.Identify());
        QCOMPARE(release.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStateMachineLink)
#include "TestStateMachineLink.moc"

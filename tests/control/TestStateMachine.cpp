#include "app/JobNames.h"
#include "app/UpdateImages.h"
#include "control/StateMachine.h"
#include "model/Model.h"
#include "profile/ProfileSetting.h"

#include <QtTest>

// The state machine without a link: its requests are watched through the
// signals it emits and its inputs are the slots the transport would call.
class TestStateMachine : public QObject {
    Q_OBJECT

    struct Rig {
        Rig()
            : machine(&tabModel, &transportModel, &images, folder.filePath(QStringLiteral("log.csv")))
            , jobs(&machine, &StateMachine::QueueJob)
            , icons(&machine, &StateMachine::UpdateTabIcon)
        {
        }
        QStringList JobNames() const
        {
            QStringList names;
            for (const QList<QVariant>& job : jobs) {
                names << job.at(0).toString() + (job.at(1).toBool() ? QStringLiteral(":w") : QString());
            }
            return names;
        }
        QTemporaryDir folder;
        Model tabModel;
        Model transportModel;
        UpdateImages images;
        StateMachine machine;
        QSignalSpy jobs;
        QSignalSpy icons;
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void deviceTypeFromVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("type");
        QTest::newRow("first generation, early") << "050200.02.09.00" << 1;
        QTest::newRow("first generation, later release") << "050200.03.00.01" << 2;
        QTest::newRow("two parts only") << "050200.3" << 1;
        QTest::newRow("second part not a number") << "050200.xx.00.01" << 1;
        QTest::newRow("later generation") << "160200.01.00.00" << 4;
        QTest::newRow("unknown family") << "070100.01.00.00" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void deviceTypeFromVersion()
    {
        QFETCH(QString, version);
        QFETCH(int, type);
        QCOMPARE(StateMachine::DeviceTypeFor(version), type);
    }

    void nothingIsReadOrWrittenWhileNotConnected()
    {
        Rig rig;
        rig.machine.GetTab(StateMachine::TabConfiguration);
        rig.machine.SendTab(StateMachine::TabConfiguration);
        rig.machine.SendAllTabs();
        QCOMPARE(rig.jobs.count(), 0);
        // Device actions go out regardless.
        rig.machine.OnClearId();
        rig.machine.on_gnssMessageControl(false);
        QCOMPARE(rig.JobNames(), QStringList({ JobName::ClearHolder, JobName::GpsOff }));
    }

    void connectionMarksTabsUnsynchronisedOnce()
    {
        Rig rig;
        rig.machine.onConnectedSM();
        QCOMPARE(rig.icons.count(), 4);
        for (int tab : { 2, 3, 5, 7 }) {
            QCOMPARE(rig.machine.State(tab), int(StateMachine::StateNotSynchronised));
        }
        QCOMPARE(rig.machine.State(StateMachine::TabBasic), int(StateMachine::StateNotConnected));
        rig.machine.onConnectedSM();
        QCOMPARE(rig.icons.count(), 4);
        rig.machine.Disconnected(true);
        QCOMPARE(rig.machine.State(StateMachine::TabControl), int(StateMachine::StateNotConnected));
    }

    void readAndWriteJobsPerTab()
    {
        Rig rig;
        rig.machine.onConnectedSM();
        rig.machine.GetAllTabs();
        QCOMPARE(rig.JobNames(),
            QStringList({ JobName::Configuration, JobName::Control, JobName::Diagnostics,
                JobName::VdrConfiguration }));
        rig.jobs.clear();
        rig.machine.SendAllTabs();
        QCOMPARE(rig.JobNames(),
            QStringList({ JobName::ConfigurationWithoutMmsi + ":w", JobName::VdrConfiguration + ":w",
                JobName::Control + ":w" }));
        for (int tab : { 2, 3, 5, 7 }) {
            QCOMPARE(rig.machine.State(tab), int(StateMachine::StateBusy));
        }
    }

    // Only an MMSI the user changed is written, after the device's own is
    // erased; a write that stops in between says the MMSI may be gone.
    void newMmsiIsWrittenAfterTheErase()
    {
        Rig rig;
        QSignalSpy warnings(&rig.machine, &StateMachine::MmsiMayBeLost);
        rig.machine.onConnectedSM();
        rig.transportModel.mmsi()->setText(QStringLiteral("235000001"));
        rig.tabModel.mmsi()->setText(QStringLiteral("235000002"));
        rig.machine.SendTab(StateMachine::TabConfiguration);
        QCOMPARE(rig.JobNames(), QStringList({ JobName::DeleteMmsi, JobName::Configuration + ":w" }));
        rig.machine.onJobTimeout(false);
        QCOMPARE(warnings.count(), 1);
        QVERIFY(warnings.at(0).at(0).toString().contains(QStringLiteral("without its MMSI")));
    }

    // The pages keep what the user sent; a tab the device did not take
    // shows as edited again.
    void readBackKeepsThePagesAndMarksWhatWasNotTaken()
    {
        Rig rig;
        QSignalSpy loads(&rig.machine, &StateMachine::UpdateTabFromTransportModel);
        QList<ProfileComparisonRow> mismatches;
        connect(&rig.machine, &StateMachine::WriteVerified,
            [&mismatches](const Profile&, const QList<ProfileComparisonRow>& rows) { mismatches = rows; });
        rig.machine.onConnectedSM();
        rig.tabModel.staticData()->setCallSign(QStringLiteral("NEWCALL"));
        rig.machine.SendTab(StateMachine::TabConfiguration);
        rig.machine.JobComplete(JobName::ConfigurationWithoutMmsi, true);
        rig.machine.AllJobsComplete();
        rig.transportModel.staticData()->setCallSign(QStringLiteral("OLDCALL"));
        rig.machine.JobComplete(JobName::Configuration, false);
        rig.machine.AllJobsComplete();
        QCOMPARE(loads.count(), 0);
        QCOMPARE(mismatches.size(), 1);
        QCOMPARE(mismatches.first().deviceValue, QStringLiteral("OLDCALL"));
        QCOMPARE(rig.machine.State(StateMachine::TabConfiguration), int(StateMachine::StateEdited));
    }

    // The record of a write holds what was sent, marks what was only read,
    // and leaves out the model's defaults that the device never gave.
    void writeRecordsOnlyWhatWasSentOrRead()
    {
        Rig rig;
        Profile sent;
        connect(&rig.machine, &StateMachine::WriteVerified,
            [&sent](const Profile& profile, const QList<ProfileComparisonRow>&) { sent = profile; });
        rig.machine.onConnectedSM();
        rig.machine.JobComplete(JobName::Control, false);
        rig.machine.SendTab(StateMachine::TabBasic);
        rig.machine.JobComplete(JobName::Basic, true);
        rig.machine.AllJobsComplete();
        rig.machine.JobComplete(JobName::Basic, false);
        rig.machine.AllJobsComplete();
        QMap<QString, Profile::Source> sources;
        for (const ProfileSetting& setting : ProfileSetting::All()) {
            sources.insert(setting.Path(), sent.SourceOf(setting));
        }
        QCOMPARE(sources.value(QStringLiteral("vessel.name")), Profile::Source::Given);
        QCOMPARE(sources.value(QStringLiteral("control.sosMessage")), Profile::Source::Read);
        QCOMPARE(sources.value(QStringLiteral("messages.positionInterval")), Profile::Source::Absent);
        QCOMPARE(sources.value(QStringLiteral("voyageLog.period")), Profile::Source::Absent);
    }

    void writeCopiesTheEditedTabIntoTheTransportModel()
    {
        Rig rig;
        rig.machine.onConnectedSM();
        rig.tabModel.staticData()->setVesselName(QStringLiteral("KITTIWAKE"));
        rig.tabModel.alerts()->setSosMessage(QStringLiteral("MAYDAY"));
        rig.machine.SendTab(StateMachine::TabConfiguration);
        QCOMPARE(rig.transportModel.staticData()->vesselName(), QStringLiteral("KITTIWAKE"));
        // The configuration tab carries no alerts: those stay as the device said.
        QVERIFY(rig.transportModel.alerts()->sosMessage() != QStringLiteral("MAYDAY"));
    }

    void completedReadSynchronisesAndEditMarksIt()
    {
        Rig rig;
        QSignalSpy loads(&rig.machine, &StateMachine::UpdateTabFromTransportModel);
        rig.machine.onConnectedSM();
        rig.machine.Edited(StateMachine::TabConfiguration);
        QCOMPARE(rig.machine.State(StateMachine::TabConfiguration), int(StateMachine::StateNotSynchronised));
        rig.machine.GetTab(StateMachine::TabConfiguration);
        rig.machine.JobComplete(JobName::Configuration, false);
        QCOMPARE(loads.count(), 2);
        QCOMPARE(rig.machine.State(StateMachine::TabConfiguration), int(StateMachine::StateSynchronised));
        rig.machine.Edited(StateMachine::TabConfiguration);
        QCOMPARE(rig.machine.State(StateMachine::TabConfiguration), int(StateMachine::StateEdited));
        QCOMPARE(rig.icons.last(), QList<QVariant>({ 2, 1 }));
    }

    void aConfigurationLogThatCannotBeWrittenIsReported()
    {
        Model tabModel;
        Model transportModel;
        UpdateImages images;
        StateMachine machine(&tabModel, &transportModel, &images, QStringLiteral("/proc/no-such/log.csv"));
        QSignalSpy errors(&machine, &StateMachine::DisplayError);
        QSignalSpy disconnects(&machine, &StateMachine::Disconnect);
        machine.JobComplete(JobName::Basic, true);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(disconnects.count(), 0);
    }

    void oneVoyageDownloadAtATime()
    {
        Rig rig;
        rig.machine.onConnectedSM();
        rig.machine.GetTab(StateMachine::TabVoyage);
        rig.machine.GetTab(StateMachine::TabVoyage);
        QCOMPARE(rig.JobNames(), QStringList({ JobName::VoyageDataGet }));
        QVERIFY(rig.machine.IsVoyageRetrieval());
    }

    void everyEleventhTickRefreshesSecurity()
    {
        Rig rig;
        QSignalSpy security(&rig.machine, &StateMachine::triggerSecurityAccess);
        for (int tick = 0; tick < 10; ++tick) {
            rig.machine.on_pollDevice();
        }
        QCOMPARE(rig.jobs.count(), 10);
        QCOMPARE(security.count(), 0);
        rig.machine.on_pollDevice();
        QCOMPARE(security.count(), 1);
        // From then on nine polls, then a refresh.
        for (int tick = 0; tick < 9; ++tick) {
            rig.machine.on_pollDevice();
        }
        QCOMPARE(rig.jobs.count(), 19);
        rig.machine.on_pollDevice();
        QCOMPARE(security.count(), 2);
    }

    void pollingResumesAfterADownloadEndsWhileIdle()
    {
        Rig rig;
        rig.machine.onConnectedSM();
        rig.machine.GetTab(StateMachine::TabVoyage);
        QSignalSpy voyage(&rig.machine, &StateMachine::VoyageLogRequested);
        rig.machine.AllJobsComplete();
        QCOMPARE(voyage.count(), 1);
        rig.jobs.clear();
        rig.machine.OnVoyageSyncComplete();
        QCOMPARE(rig.machine.State(StateMachine::TabVoyage), int(StateMachine::StateSynchronised));
        QVERIFY(rig.jobs.wait(3000));
        QCOMPARE(rig.JobNames(), QStringList({ JobName::PollDevice }));
    }

    void failuresReportAndDisconnect_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("text");
        QTest::newRow("port") << 0 << "Error connecting to the Identifier.\n\nApplication is attempting to reconnect.";
        QTest::newRow("command")
            << 1 << "Error sending a command to the Identifier.\n\nApplication is attempting to reconnect.";
        QTest::newRow("time-out") << 2 << "Connection Error";
    }
    void failuresReportAndDisconnect()
    {
        QFETCH(int, failure);
        QFETCH(QString, text);
        Rig rig;
        QSignalSpy errors(&rig.machine, &StateMachine::DisplayError);
        QSignalSpy disconnects(&rig.machine, &StateMachine::Disconnect);
        if (failure == 0) {
            rig.machine.ConnectErrorMsg(QStringLiteral("busy"));
        } else if (failure == 1) {
            rig.machine.CommandError(QStringLiteral("appver"));
        } else {
            rig.machine.onJobTimeout(false);
        }
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), text);
        QCOMPARE(disconnects.count(), 1);
        QCOMPARE(disconnects.at(0).at(0).toBool(), true);
    }

    // The read-back times out: what was sent is reported once, unverified, with the failure.
    void aReadBackCutOffReportsTheWriteUnverified()
    {
        Rig rig;
        QStringList reports;
        connect(&rig.machine, &StateMachine::WriteUnverified, this,
            [&reports](const Profile& sent, const QString& why) {
                reports << sent.staticData().vesselName() + QStringLiteral(" | ") + why;
            });
        rig.machine.onConnectedSM();
        rig.tabModel.staticData()->setVesselName(QStringLiteral("KITTIWAKE"));
        rig.machine.SendTab(StateMachine::TabConfiguration);
        rig.machine.AllJobsComplete();
        rig.machine.onJobTimeout(false);
        rig.machine.Disconnected(true);
        rig.machine.Disconnected(true);
        QCOMPARE(reports,
            QStringList {
                QStringLiteral("KITTIWAKE | Connection Error: Communication Timeout. Please check the "
                               "connections to the Identifier.") });
    }

    void unansweredPollTestsTheConnectionAgain()
    {
        Rig rig;
        QSignalSpy disconnects(&rig.machine, &StateMachine::Disconnect);
        rig.machine.onJobTimeout(true);
        QCOMPARE(rig.JobNames(), QStringList({ JobName::ConnectionTest }));
        QCOMPARE(disconnects.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStateMachine)
#include "TestStateMachine.moc"

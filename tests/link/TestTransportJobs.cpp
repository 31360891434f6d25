#include "SimLink.h"
#include "app/JobNames.h"
#include "link/Job.h"
#include "link/JobItem.h"
#include "protocol/NmeaShellCommand.h"
#include "protocol/cSecurityDomainManager.h"

#include <QElapsedTimer>

namespace {

// When each sentence went out, by the clock of the test.
struct SendLog {
    explicit SendLog(Transport* transport)
    {
        clock.start();
        QObject::connect(transport, &Transport::Sent, transport, [this](const QString& sentence) {
            sentences.append(sentence);
            times.append(clock.elapsed());
        });
    }
    QElapsedTimer clock;
    QStringList sentences;
    QList<qint64> times;
};

bool Connect(SimLink& link)
{
    link.actAsStateMachine();
    QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
    return link.transport->ConnectAtBaud(true) && complete.wait(3000) && link.transport->ConnectTransport();
}

const QString Password = QStringLiteral("harbour");

SimConfig LockingDevice()
{
    SimConfig config = QuickDevice();
    config.password = Password;
    config.relockAfterMs = 400;
    return config;
}

// Opens the device with its password, then lets it lock itself again; the
// next command it gets is answered with a SAC sentence.
bool UnlockThenWaitForRelock(SimLink& link)
{
    link.actAsStateMachine();
    QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
    link.transport->ConnectAtBaud(true);
    for (int i = 0; i < 4; ++i) {
        if (complete.count() <= i && !complete.wait(3000)) {
            return false;
        }
    }
    QTest::qWait(LockingDevice().relockAfterMs + 200);
    return link.device.isLocked();
}

} // namespace

class TestTransportJobs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        cSecurityDomainManager::setDefaultPasswordSource([] { return Password; });
    }

    void writesThenReadsTheConfiguration()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(Connect(link));
        Model& model = link.model;
        model.staticData()->setVesselName(QStringLiteral("SEA, BREEZE"));
        model.messages()->setPositionInterval(60);
        model.voyageLog()->setLogDistance(750);
        // Once written, the values leave the model, so the read must bring
        // them back from the device.
        QObject::connect(link.transport.get(), &Transport::JobComplete, link.transport.get(),
            [&model](const QString&, bool send) {
                if (send) {
                    model.staticData()->setVesselName(QString());
                    model.messages()->setPositionInterval(1800);
                    model.voyageLog()->setLogDistance(0);
                }
            });
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        QSignalSpy allComplete(link.transport.get(), &Transport::AllJobsComplete);
        SendLog log(link.transport.get());
        link.transport->QueueJob(JobName::Configuration, true);
        link.transport->QueueJob(JobName::Configuration, false);
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 2, 10000);
        QCOMPARE(complete.at(0), QVariantList({ JobName::Configuration, true }));
        QCOMPARE(complete.at(1), QVariantList({ JobName::Configuration, false }));
        QCOMPARE(allComplete.count(), 1);
        QCOMPARE(log.sentences.size(), 22);
        for (int i = 1; i < 11; ++i) {
            const qint64 gap = log.times.at(i) - log.times.at(i - 1);
            QVERIFY2(gap >= 200 && gap < 300, qPrintable(QString::number(gap)));
        }
        QCOMPARE(link.device.state().settings.value(QStringLiteral("vesselName")), QStringLiteral("SEA, BREEZE"));
        QCOMPARE(model.staticData()->vesselName(), QStringLiteral("SEA, BREEZE"));
        QCOMPARE(model.messages()->positionInterval(), 60);
        QCOMPARE(model.voyageLog()->logDistance(), 750);
        QTest::qWait(300);
        QCOMPARE(allComplete.count(), 1);
    }

    void givesUpOnASilentSettingAfterTwoQueries()
    {
        SimConfig config = QuickDevice();
        config.faults.dropReplies = QStringList { QStringLiteral("SSD") };
        SimLink link(config);
        QVERIFY(link.started);
        QVERIFY(Connect(link));
        QSignalSpy timeouts(link.transport.get(), &Transport::JobTimeout);
        SendLog log(link.transport.get());
        link.transport->QueueJob(JobName::Basic, false);
        QVERIFY(timeouts.wait(6000));
        const qint64 aborted = log.clock.elapsed();
        QCOMPARE(timeouts.first().first().toBool(), false);
        QCOMPARE(link.transport->LastError(), QStringLiteral("Timeout waiting for response for: SSD"));
        QCOMPARE(log.sentences.size(), 3);
        QVERIFY(log.sentences.at(1).startsWith(QLatin1String("$UPAIQ,SSD*")));
        QCOMPARE(log.sentences.at(2), log.sentences.at(1));
        const qint64 again = log.times.at(2) - log.times.at(1);
        const qint64 giveUp = aborted - log.times.at(2);
        QVERIFY2(again >= 2000 && again < 2200, qPrintable(QString::number(again)));
        QVERIFY2(giveUp >= 2000 && giveUp < 2200, qPrintable(QString::number(giveUp)));
        QVERIFY(!link.transport->IsBusy());
    }

    void endsResetVesselOnTheSilenceAfterReset()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(Connect(link));
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        QSignalSpy timeouts(link.transport.get(), &Transport::JobTimeout);
        SendLog log(link.transport.get());
        link.transport->QueueJob(JobName::ResetVessel, false);
        QVERIFY(complete.wait(5000));
        QCOMPARE(complete.first(), QVariantList({ JobName::ResetVessel, false }));
        QCOMPARE(timeouts.count(), 0);
        QCOMPARE(log.sentences.size(), 3);
        QVERIFY(log.sentences.at(0).contains(QLatin1String(",resetvessel,11*")));
        QVERIFY(log.sentences.at(1).contains(QLatin1String(",reset_mmsi,6*")));
        QVERIFY(log.sentences.at(2).contains(QLatin1String(",reset,9*")));
    }

    void reportsADeviceThatLockedItselfAgain()
    {
        SimLink link(LockingDevice());
        QVERIFY(link.started);
        QVERIFY(UnlockThenWaitForRelock(link));
        QSignalSpy errors(link.transport.get(), &Transport::CommandError);
        link.transport->QueueJob(JobName::GpsOn, false);
        QVERIFY(errors.wait(3000));
        QCOMPARE(errors.first().first().toString(), QStringLiteral("Secrity Timeout: "));
        QCOMPARE(link.transport->LastError(), QStringLiteral("Secrity Timeout: "));
    }

    void answersALockedConnectionTestWithTheSecurityPoll()
    {
        SimLink link(LockingDevice());
        QVERIFY(link.started);
        QVERIFY(UnlockThenWaitForRelock(link));
        QSignalSpy errors(link.transport.get(), &Transport::CommandError);
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        link.transport->QueueJob(JobName::ConnectionTest, false);
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 4, 5000);
        QCOMPARE(complete.first().first().toString(), JobName::PollSecurityEnabled);
        QCOMPARE(complete.last().first().toString(), JobName::ConnectionTest);
        QCOMPARE(errors.count(), 0);
        QVERIFY(!link.device.isLocked());
    }

    void reportsACommandTheDeviceRefuses()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(Connect(link));
        JobItem item(std::make_unique<NmeaShellCommand>(QStringLiteral("launch"), 2, 2, 15), 1);
        Job job(QStringLiteral("Unknown Command"), { &item });
        QSignalSpy errors(link.transport.get(), &Transport::CommandError);
        link.transport->QueueJob(&job, false);
        QVERIFY(errors.wait(3000));
        QCOMPARE(errors.first().first().toString(), QStringLiteral("Negative acknowlegement for command: launch"));
    }
};

QTEST_GUILESS_MAIN(TestTransportJobs)
#include "TestTransportJobs.moc"

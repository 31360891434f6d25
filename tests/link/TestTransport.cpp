#include "app/JobNames.h"
#include "link/Job.h"
#include "link/JobItem.h"
#include "link/Transport.h"
#include "model/Model.h"
#include "protocol/AISSentence.h"
#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"
#include "protocol/cSecurityDomainManager.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

QString Framed(const QString& body)
{
    return NmeaSentence::frame(body).remove(QLatin1Char('\r'));
}

QString ShellReply(const QString& command, const QString& payload = QStringLiteral("ok"))
{
    return Framed(QStringLiteral("$PKRX,255,%1,0,%2").arg(command, payload));
}

// A setting that answers to "$AI<formatter>" sentences.
class FakeCodec : public AISSentence {
public:
    FakeCodec(ModelObject* object, const QString& formatter)
        : AISSentence(object)
    {
        setFormatter(formatter);
    }
    QString writeSentence() const override { return NmeaSentence::frame(QStringLiteral("$UP") + formatter() + ",1"); }
    int parseReply(const NmeaSentence& sentence) override
    {
        return isDeviceSentence(sentence, formatter()) ? ResultStored : ResultNotMine;
    }
};

// The engine with the serial side replaced: sends are recorded with their
// time, the test plays the device, and the time-outs are a tenth of the
// real ones unless a test measures those.
class ScriptedTransport : public Transport {
public:
    using Transport::Transport;

    QStringList sent;
    QList<qint64> sentAt;
    QElapsedTimer clock;
    int baudSwitches = 0;
    bool realTimes = false;

    bool IsConnected() const override { return false; }
    bool ConnectAtBaud(bool) override
    {
        ++baudSwitches;
        return true;
    }
    QString ConnectionDescription() const override { return QString(); }
    int ReadTimeout() const override { return realTimes ? Transport::ReadTimeout() : 200; }
    int PollTimeout() const override { return realTimes ? Transport::PollTimeout() : 100; }
    int WriteInterval() const override { return realTimes ? Transport::WriteInterval() : 20; }
    bool ConnectTransport() override { return true; }
    void on_UsePortForSwUpdate(bool) override { }
    bool Send(const QString& text) override
    {
        sent.append(text);
        sentAt.append(clock.elapsed());
        return true;
    }
    bool Disconnect(bool) override { return true; }
    void SerialClosed() override { }
};

} // namespace

class TestTransport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_model = std::make_unique<Model>();
        m_transport = std::make_unique<ScriptedTransport>(m_model.get());
        m_transport->clock.start();
        m_complete = std::make_unique<QSignalSpy>(m_transport.get(), &Transport::JobComplete);
        m_allComplete = std::make_unique<QSignalSpy>(m_transport.get(), &Transport::AllJobsComplete);
        m_timeouts = std::make_unique<QSignalSpy>(m_transport.get(), &Transport::JobTimeout);
        m_errors = std::make_unique<QSignalSpy>(m_transport.get(), &Transport::CommandError);
    }

    void cleanup()
    {
        m_complete.reset();
        m_allComplete.reset();
        m_timeouts.reset();
        m_errors.reset();
        m_transport.reset();
        m_fakeJobs.clear();
        m_fakeItems.clear();
    }

    void queuesARunOnceUntilItStarts()
    {
        m_transport->QueueJob(JobName::GpsOn, false);
        QVERIFY(m_transport->IsBusy());
        QVERIFY(!m_transport->IsQueued(JobName::GpsOn, false));
        m_transport->QueueJob(JobName::Version, false);
        m_transport->QueueJob(JobName::Version, false);
        m_transport->QueueJob(JobName::Version, true);
        m_transport->QueueJob(QStringLiteral("No Such Job"), false);
        QVERIFY(m_transport->IsQueued(JobName::Version, false));
        QVERIFY(m_transport->IsQueued(JobName::Version, true));
        Reply(ShellReply(QStringLiteral("gpsfilt 49")));
        Reply(ShellReply(QStringLiteral("appver"), QStringLiteral("050200.02.01.00")));
        Reply(ShellReply(QStringLiteral("getserno"), QStringLiteral("205170031442")));
        QVERIFY(!m_transport->IsQueued(JobName::Version, false));
        Reply(ShellReply(QStringLiteral("appver"), QStringLiteral("050200.02.01.00")));
        Reply(ShellReply(QStringLiteral("getserno"), QStringLiteral("205170031442")));
        QCOMPARE(Completed(), QStringList({ "GPSon/read", "Version/read", "Version/write" }));
        QCOMPARE(m_allComplete->count(), 1);
        QVERIFY(!m_transport->IsBusy());
        QCOMPARE(m_transport->Response(JobName::Version, 1), QStringLiteral("205170031442"));
        QCOMPARE(m_transport->Response(JobName::Version, 2), QString());
    }

    void writesEverySettingWithoutWaitingForReplies()
    {
        Job* job = FakeJob(QStringLiteral("Eleven"), 11);
        m_transport->QueueJob(job, true);
        QTRY_COMPARE_WITH_TIMEOUT(m_complete->count(), 1, 2000);
        QCOMPARE(m_transport->sent.size(), 11);
        for (int i = 1; i < 11; ++i) {
            QVERIFY(m_transport->sent.at(i).startsWith(QStringLiteral("$UPF%1,1*").arg(i, 2, 10, QLatin1Char('0'))));
        }
        QCOMPARE(m_complete->first(), QVariantList({ QStringLiteral("Eleven"), true }));
        QTest::qWait(100);
        QCOMPARE(m_allComplete->count(), 1);
        QCOMPARE(m_complete->count(), 1);
    }

    void asksASilentSettingTwiceThenGivesUp()
    {
        m_transport->QueueJob(FakeJob(QStringLiteral("Quiet"), 1), false);
        QTRY_COMPARE_WITH_TIMEOUT(m_timeouts->count(), 1, 2000);
        QCOMPARE(m_transport->sent.size(), 2);
        QCOMPARE(m_transport->sent.at(0), m_transport->sent.at(1));
        QCOMPARE(m_timeouts->first().first().toBool(), false);
        QCOMPARE(m_transport->LastError(), QStringLiteral("Timeout waiting for response for: F00"));
        QVERIFY(!m_transport->IsBusy());
        QCOMPARE(m_allComplete->count(), 0);
    }

    void keepsWaitingThroughUnrelatedSentences()
    {
        m_transport->QueueJob(FakeJob(QStringLiteral("Pair"), 2), false);
        // Another talker's sentence of the same kind, a time sentence, a
        // broken checksum and a reply to some other command: none completes.
        Reply(Framed(QStringLiteral("$GPF00,1")));
        Reply(Framed(QStringLiteral("$AIZDA,1")));
        Reply(QStringLiteral("$AIF00,1*00\n"));
        Reply(ShellReply(QStringLiteral("getserno")));
        QCOMPARE(m_transport->sent.size(), 1);
        Reply(Framed(QStringLiteral("$AIF00,1")));
        Reply(Framed(QStringLiteral("$AIF01,1")));
        QCOMPARE(m_transport->sent.size(), 2);
        QCOMPARE(Completed(), QStringList({ "Pair/read" }));
        QCOMPARE(m_errors->count(), 0);
    }

    void ignoresTimeSentencesEvenWhenTheyWouldFit()
    {
        m_transport->QueueJob(FakeJob(QStringLiteral("Clock"), 1, QStringLiteral("ZDA")), false);
        Reply(Framed(QStringLiteral("$AIZDA,1")));
        QCOMPARE(m_complete->count(), 0);
    }

    void reportsARefusedCommand_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("error");
        QTest::newRow("negative acknowledgement")
            << Framed(QStringLiteral("$PKRX,NAK,gpsfilt 49"))
            << QStringLiteral("Negative acknowlegement for command: gpsfilt 49");
        QTest::newRow("device locked") << Framed(QStringLiteral("$PKRX,SAC,R,V,80,1A2B"))
                                       << QStringLiteral("Secrity Timeout: ");
    }

    void reportsARefusedCommand()
    {
        QFETCH(QString, answer);
        QFETCH(QString, error);
        m_transport->QueueJob(JobName::GpsOn, false);
        Reply(answer);
        QCOMPARE(m_errors->count(), 1);
        QCOMPARE(m_errors->first().first().toString(), error);
        QCOMPARE(m_transport->LastError(), error);
        // The run stays where it stopped: nothing more goes out for it.
        Reply(answer);
        QTest::qWait(m_transport->ReadTimeout() + 50);
        QCOMPARE(m_errors->count(), 1);
        QCOMPARE(m_transport->sent.size(), 1);
        QCOMPARE(m_timeouts->count(), 0);
        QVERIFY(m_transport->IsBusy());
    }

    void retriesAShellCommandOnceThenTimesOut()
    {
        m_transport->QueueJob(JobName::GpsOff, false);
        QTRY_COMPARE_WITH_TIMEOUT(m_timeouts->count(), 1, 2000);
        QCOMPARE(m_transport->sent.size(), 2);
        QCOMPARE(m_transport->LastError(), QStringLiteral("Timeout waiting for response to command: gpsfilt 0"));
        // The retry is used up for the rest of the transport's life.
        m_transport->QueueJob(JobName::GpsOff, false);
        QTRY_COMPARE_WITH_TIMEOUT(m_timeouts->count(), 2, 2000);
        QCOMPARE(m_transport->sent.size(), 3);
    }

    void endsAResetOnItsSilence()
    {
        m_transport->QueueJob(JobName::ResetVessel, false);
        Reply(ShellReply(QStringLiteral("resetvessel")));
        Reply(ShellReply(QStringLiteral("reset_mmsi")));
        QTRY_COMPARE_WITH_TIMEOUT(m_complete->count(), 1, 2000);
        QCOMPARE(m_transport->sent.size(), 3);
        QVERIFY(m_transport->sent.at(2).contains(QLatin1String(",reset,9*")));
        QCOMPARE(Completed(), QStringList({ "ResetVessel/read" }));
        QCOMPARE(m_allComplete->count(), 1);
        QCOMPARE(m_timeouts->count(), 0);
    }

    void turnsAnUnansweredConnectionTestIntoTheSecurityPoll_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("silence") << QString();
        QTest::newRow("locked device") << Framed(QStringLiteral("$PKRX,SAC,R,V,80,1A2B"));
    }

    void turnsAnUnansweredConnectionTestIntoTheSecurityPoll()
    {
        QFETCH(QString, answer);
        m_transport->QueueJob(JobName::ConnectionTest, false);
        if (!answer.isEmpty()) {
            Reply(answer);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_transport->sent.size(), 2, 2000);
        QVERIFY(m_transport->sent.at(1).startsWith(QLatin1String("$PKRX,SAC,Q,,80,")));
        QCOMPARE(m_errors->count(), 0);
        QCOMPARE(m_complete->count(), 0);
        // A silent poll: the other baud rate is tried.
        QTRY_COMPARE_WITH_TIMEOUT(m_transport->baudSwitches, 1, 2000);
        QVERIFY(!m_transport->IsBusy());
        QCOMPARE(m_allComplete->count(), 0);
        QCOMPARE(m_timeouts->count(), 0);
    }

    void completesASecurityStepOnlyWithItsAnswer()
    {
        cSecurityDomainManager::setDefaultPasswordSource([] { return QStringLiteral("harbour"); });
        init();
        m_transport->QueueJob(JobName::PollSecurityEnabled, false);
        Reply(Framed(QStringLiteral("$GPRMC,120000,A")));
        Reply(ShellReply(QStringLiteral("appver")));
        QCOMPARE(m_complete->count(), 0);
        Reply(Framed(QStringLiteral("$PKRX,SAC,R,V,80,0")));
        QCOMPARE(Completed(), QStringList({ "Poll Security Enabled/read" }));
        m_transport->onTriggerSecurityAccess();
        QCOMPARE(m_transport->sent.last(), NmeaSentence::frame(QStringLiteral("$PKRX,SAC,Q,,80,")));
        Reply(Framed(QStringLiteral("$PKRX,SAC,R,V,80,1234ABCD")));
        m_transport->onTriggerSecurityAccess();
        QVERIFY(m_transport->sent.last().startsWith(QLatin1String("$PKRX,SAC,C,,80,")));
        Reply(Framed(QStringLiteral("$PKRX,SAC,R,A,80,0")));
        m_transport->onTriggerSecurityAccess();
        QVERIFY(m_transport->sent.last().contains(QLatin1String(",appver,0*")));
        cSecurityDomainManager::setDefaultPasswordSource([] { return QString(); });
    }

    void reportsAnUnansweredPollAsPollingTimeout()
    {
        QSignalSpy tests(m_transport.get(), &Transport::testConnection);
        m_transport->QueueJob(JobName::PollDevice, false);
        QTRY_COMPARE_WITH_TIMEOUT(m_timeouts->count(), 1, 2000);
        QCOMPARE(m_timeouts->first().first().toBool(), true);
        QCOMPARE(tests.count(), 1);
        QCOMPARE(tests.first().first().toInt(), 0);
        QCOMPARE(m_transport->sent.size(), 1);
    }

    // How long an item's silence is awaited, at the real figures: from the
    // item to what its silence brings (the next sentence, or the poll's
    // time-out). A loaded machine makes that later, never earlier.
    void waitsForEachItemAsLongAsItsKind_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<bool>("send");
        QTest::addColumn<int>("wait");
        QTest::newRow("connection test") << JobName::ConnectionTest << false << 1000;
        QTest::newRow("poll") << JobName::PollDevice << false << 1000;
        QTest::newRow("other command") << JobName::GpsOff << false << 2000;
        QTest::newRow("setting read") << JobName::VdrConfiguration << false << 2000;
        QTest::newRow("setting written") << JobName::VdrConfiguration << true << 200;
    }

    void waitsForEachItemAsLongAsItsKind()
    {
        QFETCH(QString, job);
        QFETCH(bool, send);
        QFETCH(int, wait);
        m_transport->realTimes = true;
        qint64 timedOutAt = -1;
        connect(
            m_transport.get(), &Transport::JobTimeout, [&] { timedOutAt = m_transport->clock.elapsed(); });
        m_transport->QueueJob(job, send);
        QTRY_VERIFY_WITH_TIMEOUT(m_transport->sent.size() >= 2 || timedOutAt >= 0, 4000);
        const qint64 next = m_transport->sent.size() >= 2 ? m_transport->sentAt.at(1) : timedOutAt;
        const qint64 gap = next - m_transport->sentAt.at(0);
        QVERIFY2(gap >= wait * 95 / 100 && gap <= wait + 500, qPrintable(QStringLiteral("%1 ms").arg(gap)));
    }

    void forwardsDiagnosticLines()
    {
        QSignalSpy diagnostics(m_transport.get(), &Transport::MessageToDiagnostics);
        QSignalSpy received(m_transport.get(), &Transport::Received);
        Reply(QStringLiteral("ADC = 2051 mV$junk\n"));
        Reply(QStringLiteral("Position Message sent\n"));
        Reply(QStringLiteral("!AIVDO,1,1,,,B,0*00\n"));
        Reply(QStringLiteral("status: Static Data Message\n"));
        QCOMPARE(m_model->diagnostics()->adcReading(), QStringLiteral("ADC = 2051 mV"));
        QCOMPARE(diagnostics.count(), 2);
        QCOMPARE(received.count(), 4);
    }

private:
    void Reply(const QString& line)
    {
        m_transport->SerialReceived(line.endsWith(QLatin1Char('\n')) ? line : line + QLatin1Char('\n'));
    }

    QStringList Completed() const
    {
        QStringList names;
        for (const QVariantList& args : *m_complete) {
            names.append(args.at(0).toString() + (args.at(1).toBool() ? "/write" : "/read"));
        }
        return names;
    }

    // A job of count settings named F00, F01, ... (or all by one name).
    Job* FakeJob(const QString& name, int count, const QString& formatter = QString())
    {
        QList<JobItem*> items;
        for (int i = 0; i < count; ++i) {
            const QString code = formatter.isEmpty() ? QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')) : formatter;
            m_fakeItems.push_back(
                std::make_unique<JobItem>(std::make_unique<FakeCodec>(m_model->messages(), code), 1));
            items.append(m_fakeItems.back().get());
        }
        m_fakeJobs.push_back(std::make_unique<Job>(name, items));
        return m_fakeJobs.back().get();
    }

    std::unique_ptr<Model> m_model;
    std::unique_ptr<ScriptedTransport> m_transport;
    std::unique_ptr<QSignalSpy> m_complete;
    std::unique_ptr<QSignalSpy> m_allComplete;
    std::unique_ptr<QSignalSpy> m_timeouts;
    std::unique_ptr<QSignalSpy> m_errors;
    std::vector<std::unique_ptr<JobItem>> m_fakeItems;
    std::vector<std::unique_ptr<Job>> m_fakeJobs;
};

QTEST_GUILESS_MAIN(TestTransport)
#include "TestTransport.moc"

#include "cBootLoaderEntry.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr int NoNoise = -1;

// The boot loader's side of the port, in real time: while the port listens,
// a noise byte and then the request "C" arrive at their times, counted in
// milliseconds from the opening, and a read waits for them as long as its
// deadline allows.
class TimedLink : public cByteLink {
public:
    TimedLink(int noiseAt, int requestAt)
    {
        if (noiseAt != NoNoise) {
            arrivals << qMakePair(noiseAt, 0x8F);
        }
        arrivals << qMakePair(requestAt, int('C'));
    }

    bool open(qint32, QIODevice::OpenMode mode) override
    {
        listening = mode == QIODevice::ReadOnly;
        clock.start();
        return true;
    }
    void close() override { }
    bool send(const QByteArray&, QDeadlineTimer) override { return true; }
    int readByte(QDeadlineTimer deadline) override
    {
        const qint64 due
            = arrivals.isEmpty() ? deadline.remainingTime() + 1 : arrivals.first().first - clock.elapsed();
        if (!listening || due > deadline.remainingTime()) {
            QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, deadline.remainingTime())));
            return -1;
        }
        QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, due)));
        return arrivals.takeFirst().second;
    }
    void discardInput() override { }

private:
    QList<QPair<int, int>> arrivals;
    QElapsedTimer clock;
    bool listening = false;
};

} // namespace

class TestBootLoaderEntry : public QObject {
    Q_OBJECT

private slots:
    // The boot loader repeats its request every 3 s; the port is deaf for a
    // moment after the reset, so the first request it can hear may come more
    // than 3 s after it starts listening.
    void hearsTheBootLoadersFirstAudibleRequest_data()
    {
        QTest::addColumn<int>("noiseAt");
        QTest::addColumn<int>("requestAt");
        QTest::newRow("the request before listening lost, the next one 3.2 s later") << NoNoise << 3200;
        QTest::newRow("noise of the reset, then a pause before the request") << 50 << 2000;
    }

    void hearsTheBootLoadersFirstAudibleRequest()
    {
        QFETCH(int, noiseAt);
        QFETCH(int, requestAt);
        cUpdateTiming timing;
        timing.settle = 0;
        timing.afterReset = 0;
        cBootLoaderEntry entry(
            [=] { return std::make_unique<TimedLink>(noiseAt, requestAt); }, 38400, timing);
        entry.start();
        QVERIFY(entry.wait(10000));
        QVERIFY(entry.connected());
    }
};

QTEST_GUILESS_MAIN(TestBootLoaderEntry)
#include "TestBootLoaderEntry.moc"

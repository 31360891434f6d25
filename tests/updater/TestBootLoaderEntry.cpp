#include "cBootLoaderEntry.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

using Arrivals = QMap<int, int>;

// A port that refuses the reset and, listening, receives each byte at its
// time (ms after the opening), in real time.
class TimedLink : public cByteLink {
public:
    explicit TimedLink(const Arrivals& arrivals)
        : arrivals(arrivals)
    {
    }
    bool open(qint32, QIODevice::OpenMode mode) override
    {
        clock.start();
        return mode == QIODevice::ReadOnly;
    }
    void close() override { }
    bool send(const QByteArray&, QDeadlineTimer) override { return false; }
    int readByte(QDeadlineTimer deadline) override
    {
        const qint64 left = deadline.remainingTime();
        if (arrivals.isEmpty() || arrivals.firstKey() - clock.elapsed() > left) {
            QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, left)));
            return -1;
        }
        QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, arrivals.firstKey() - clock.elapsed())));
        return arrivals.take(arrivals.firstKey());
    }
    void discardInput() override { }

private:
    Arrivals arrivals;
    QElapsedTimer clock;
};

} // namespace

class TestBootLoaderEntry : public QObject {
    Q_OBJECT

private slots:
    // The boot loader repeats its "C" every 3 s and the port is deaf for a
    // moment after the reset: the first request heard may come after 3 s.
    void hearsTheFirstAudibleRequest_data()
    {
        QTest::addColumn<Arrivals>("arrivals");
        QTest::newRow("one request lost, the next 3.2 s after listening began") << Arrivals { { 3200, 'C' } };
        QTest::newRow("noise of the reset, then a pause before the request")
            << Arrivals { { 50, 0x8F }, { 2000, 'C' } };
    }

    void hearsTheFirstAudibleRequest()
    {
        QFETCH(Arrivals, arrivals);
        cUpdateTiming timing;
        timing.settle = 0;
        cBootLoaderEntry entry([arrivals] { return std::make_unique<TimedLink>(arrivals); }, 38400, timing);
        entry.start();
        QVERIFY(entry.wait(10000));
        QVERIFY(entry.connected());
    }

    // Asked only whether a silent device waits in its boot loader: its
    // repeated request tells it, a lone "C" or a running device's text
    // heard at the wrong rate does not.
    void recognisesOnlyARepeatedRequest_data()
    {
        QTest::addColumn<Arrivals>("arrivals");
        QTest::addColumn<bool>("waiting");
        QTest::newRow("two requests") << Arrivals { { 200, 'C' }, { 1500, 'C' } } << true;
        QTest::newRow("one request") << Arrivals { { 200, 'C' } } << false;
        QTest::newRow("text holding C") << Arrivals { { 100, '$' }, { 150, 'C' }, { 300, 'C' } } << false;
    }

    void recognisesOnlyARepeatedRequest()
    {
        QFETCH(Arrivals, arrivals);
        QFETCH(bool, waiting);
        cUpdateTiming timing;
        timing.settle = 0;
        timing.recognise = 2000;
        cBootLoaderEntry entry([arrivals] { return std::make_unique<TimedLink>(arrivals); }, 115200, timing);
        entry.recogniseOnly();
        entry.start();
        QVERIFY(entry.wait(10000));
        QCOMPARE(entry.connected(), waiting);
    }
};

QTEST_GUILESS_MAIN(TestBootLoaderEntry)
#include "TestBootLoaderEntry.moc"

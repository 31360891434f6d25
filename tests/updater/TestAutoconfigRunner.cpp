#include "QueuedLink.h"
#include "cAutoconfigRunner.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A device that answers each opening of the port with canned bytes and keeps
// what was sent during each opening.
struct CannedDevice {
    QList<QByteArray> answers;
    bool opens = true;
    QList<QByteArray> sessions;
};

class CannedLink : public QueuedLink {
public:
    explicit CannedLink(CannedDevice* device)
        : device(device)
    {
    }

    bool open(qint32, QIODevice::OpenMode) override
    {
        if (!device->opens) {
            return false;
        }
        device->sessions << QByteArray();
        pending = device->answers.isEmpty() ? QByteArray() : device->answers.takeFirst();
        return true;
    }
    bool send(const QByteArray& bytes, QDeadlineTimer) override
    {
        device->sessions.last() += bytes;
        return true;
    }

private:
    CannedDevice* device;
};

cUpdateTiming noWaits()
{
    cUpdateTiming timing;
    timing.autoconfigPause = 0;
    return timing;
}

const QByteArray Answer42 = "$PKRX,255,setname A^2CB,0,42*7C\r\n";

} // namespace

class TestAutoconfigRunner : public QObject {
    Q_OBJECT

private slots:
    void readsTheCommandsResult_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("result");

        QTest::newRow("answer with text") << Answer42 << 42;
        QTest::newRow("other sentences first") << "$GPRMC,1,2*48\r\n" + Answer42 << 42;
        QTest::newRow("a damaged answer is passed over") << "$PKRX,255,x,0,7*00\r\n" + Answer42 << 42;
        QTest::newRow("a long line is read as two") << QByteArray(79, 'x') + Answer42 << 42;
        QTest::newRow("status 256 ends the search without text") << "$PKRX,256,x,0*44\r\n" + Answer42 << 0;
        QTest::newRow("status 255 without text") << QByteArray("$PKRX,255,x,0*47\r\n") << 0;
        QTest::newRow("no answer") << QByteArray() << 0;
    }

    void readsTheCommandsResult()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, result);

        CannedDevice device;
        device.answers << answer;
        CannedLink link(&device);
        QCOMPARE(
            cAutoconfigRunner::runCommand(link, 38400, QStringLiteral("setname A,B"), 3, noWaits()), result);
        QCOMPARE(device.sessions, QList<QByteArray> { "$PKRX,0,3,1203805717,1,setname A^2CB,0*76\r\n" });
    }

    void skipsACommandWhenThePortDoesNotOpen()
    {
        CannedDevice device;
        device.opens = false;
        CannedLink link(&device);
        QCOMPARE(cAutoconfigRunner::runCommand(link, 38400, QStringLiteral("appver"), 3, noWaits()), 0);
        QVERIFY(device.sessions.isEmpty());
    }

    void sendsEveryNonEmptyLineOnItsOwnOpening()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("autoconfig")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("setname A,B\n\nappver\r\n\r\nlast");
        file.close();

        CannedDevice device;
        cAutoconfigRunner runner(
            file.fileName(), [&device] { return std::make_unique<CannedLink>(&device); }, 38400, noWaits());
        runner.start();
        QVERIFY(runner.wait(10000));

        QCOMPARE(device.sessions.size(), 3);
        QVERIFY(device.sessions.at(0).contains(",setname A^2CB,"));
        QVERIFY(device.sessions.at(1).contains(",appver,"));
        QVERIFY(device.sessions.at(2).contains(",last,"));
    }

    void doesNothingWithoutAFile()
    {
        CannedDevice device;
        cAutoconfigRunner runner(
            QStringLiteral("/nonexistent/autoconfig"),
            [&device] { return std::make_unique<CannedLink>(&device); }, 38400, cUpdateTiming());
        QElapsedTimer clock;
        clock.start();
        runner.start();
        QVERIFY(runner.wait(10000));
        QVERIFY(device.sessions.isEmpty());
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_GUILESS_MAIN(TestAutoconfigRunner)
#include "TestAutoconfigRunner.moc"

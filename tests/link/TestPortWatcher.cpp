#include "ListedPorts.h"
#include "PtyPeer.h"
#include "link/PortWatcher.h"
#include "link/SerialController.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

class TestPortWatcher : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SerialController::SetPortEnumerator(&m_ports);
        m_ports.ports.clear();
        m_watcher = new PortWatcher(this);
        m_found = new QSignalSpy(m_watcher, &PortWatcher::portFound);
        m_connect = new QSignalSpy(m_watcher, &PortWatcher::autoConnect);
    }

    void cleanup()
    {
        delete m_found;
        delete m_connect;
        delete m_watcher;
        SerialController::SetPortEnumerator(nullptr);
    }

    void checksEverySecond()
    {
        m_ports.ports = { Device(QStringLiteral("ttyACM0")) };
        QVERIFY(m_connect->wait(PortWatcher::CheckInterval + 500));
        QCOMPARE(m_found->first().first().toString(), QStringLiteral("ttyACM0"));
    }

    void staysQuietWithoutTheDevice_data()
    {
        QTest::addColumn<QList<PortRecord>>("ports");
        QTest::newRow("no ports at all") << QList<PortRecord> {};
        QTest::newRow("other devices") << QList<PortRecord> { ListedPorts::Record(
            QStringLiteral("ttyUSB0"), QStringLiteral("FTDI"), QString(), 1027, 24577) };
        QTest::newRow("no ids") << QList<PortRecord> { ListedPorts::Record(QStringLiteral("ttyS0"), QString()) };
    }

    void staysQuietWithoutTheDevice()
    {
        QFETCH(QList<PortRecord>, ports);
        m_ports.ports = ports;
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 0);
        QCOMPARE(m_found->count(), 0);
    }

    void leavesARunningConnectionAlone()
    {
        m_ports.ports = { Device(QStringLiteral("ttyACM0")) };
        m_watcher->SetTransportPresent(true);
        m_watcher->onPortCheckTimeout();
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 0);
    }

    void followsTheDeviceToAnotherPort()
    {
        m_ports.ports = { Device(QStringLiteral("ttyACM0")) };
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 1);
        m_watcher->SetTransportPresent(true);
        // Unplugged, then back on another name while the old transport lives.
        m_ports.ports.clear();
        m_watcher->onPortCheckTimeout();
        m_ports.ports = { Device(QStringLiteral("ttyACM1")) };
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 1);
        m_watcher->SetTransportPresent(false);
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 2);
        QCOMPARE(m_found->last().first().toString(), QStringLiteral("ttyACM1"));
    }

    void skipsABusyPort()
    {
        PtyPeer first;
        PtyPeer second;
        m_ports.ports = { Device(first.portPath()), Device(second.portPath()) };
        QSerialPort holder(first.portPath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_found->last().first().toString(), second.portPath());
    }

    void matchesGivenIds()
    {
        m_ports.ports = { Device(QStringLiteral("ttyACM0")),
            ListedPorts::Record(QStringLiteral("ttyUSB3"), QString(), QString(), 1155, 22336) };
        m_watcher->SetDeviceIds(1155, 22336);
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_found->last().first().toString(), QStringLiteral("ttyUSB3"));
    }

    void takesAGivenPathWheneverItExists()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sim-port"));
        m_watcher->SetPortPath(path);
        m_ports.ports = { Device(QStringLiteral("ttyACM0")) };
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
        m_ports.ports.clear();
        m_watcher->onPortCheckTimeout();
        QCOMPARE(m_connect->count(), 1);
        QCOMPARE(m_found->last().first().toString(), path);
    }

private:
    static PortRecord Device(const QString& name)
    {
        return ListedPorts::Record(name, QStringLiteral("STMicroelectronics Virtual COM Port"), QString(),
            SerialController::DefaultVendorId, SerialController::DefaultProductId);
    }

    ListedPorts m_ports;
    PortWatcher* m_watcher = nullptr;
    QSignalSpy* m_found = nullptr;
    QSignalSpy* m_connect = nullptr;
};

QTEST_GUILESS_MAIN(TestPortWatcher)
#include "TestPortWatcher.moc"

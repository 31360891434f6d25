#include "ListedPorts.h"
#include "PtyPeer.h"
#include "link/LineAssembler.h"
#include "link/SerialController.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestSerialController : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_peer = new PtyPeer(this);
        QVERIFY(m_peer->isOpen());
        m_controller = new SerialController(this);
        m_received = new QSignalSpy(m_controller, &SerialController::Received);
    }

    void cleanup()
    {
        delete m_received;
        delete m_controller;
        delete m_peer;
        SerialController::SetPortEnumerator(nullptr);
    }

    void opensAPseudoTerminalWithoutDtr()
    {
        QSignalSpy opened(m_controller, &SerialController::Opened);
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        QCOMPARE(opened.count(), 1);
        QVERIFY(m_controller->IsOpen());
        QVERIFY(!m_controller->IsReplaying());
        QVERIFY2(!m_controller->OpenPort(m_peer->portPath(), BaudType::Baud38400), "second open");
        QSignalSpy closed(m_controller, &SerialController::Closed);
        QVERIFY(m_controller->Close());
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_controller->Close());
        QCOMPARE(closed.count(), 1);
    }

    void refusesPortsThatCannotBeOpened()
    {
        QVERIFY(!m_controller->OpenPort(QString(), BaudType::Baud115200));
        QVERIFY(!m_controller->OpenPort(QStringLiteral("/nonexistent/tty0"), BaudType::Baud115200));
        QVERIFY(!m_controller->IsOpen());
        QVERIFY(m_controller->ErrorString() != QLatin1String("Unknown error"));
    }

    void assemblesLines_data()
    {
        QTest::addColumn<QByteArrayList>("writes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("split reply") << QByteArrayList { "$PKRX,255,app", "ver,0,1.2*00\r\n" }
                                     << QStringList { "$PKRX,255,appver,0,1.2*00\n" };
        QTest::newRow("two in one read") << QByteArrayList { "$A*00\r\n$B*00\r\n" }
                                         << QStringList { "$A*00\n", "$B*00\n" };
        QTest::newRow("prompt") << QByteArrayList { ">" } << QStringList { ">" };
        QTest::newRow("named prompt") << QByteArrayList { "x>" } << QStringList { "x>" };
        QTest::newRow("comment dropped") << QByteArrayList { "# banner\r\n$C*00\r\n" }
                                         << QStringList { "$C*00\n" };
        QTest::newRow("long line in pieces")
            << QByteArrayList { QByteArray(600, 'a') + "\n" } << QStringList { QString(600, 'a') + "\n" };
    }

    void assemblesLines()
    {
        QFETCH(QByteArrayList, writes);
        QFETCH(QStringList, lines);
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        for (const QByteArray& bytes : writes) {
            m_peer->write(bytes);
            QTest::qWait(30);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_received->count(), lines.size(), 2000);
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(m_received->at(i).at(0).toString(), lines.at(i));
        }
    }

    // A line of 64 KiB, its line end included, is the longest kept. Fed to
    // the assembler in the pieces the controller reads (at most 255
    // characters, ending at a line feed), without a pseudo-terminal, whose
    // buffer would have to be paced.
    void keepsLinesUpTo64KiB_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        QTest::newRow("65536 bytes") << 65536 << true;
        QTest::newRow("65537 bytes") << 65537 << false;
    }

    void keepsLinesUpTo64KiB()
    {
        QFETCH(int, length);
        QFETCH(bool, kept);
        const QString longLine = QString(length - 2, QLatin1Char('a')) + QStringLiteral("\r\n");
        const QString wire = longLine + QStringLiteral("$D*00\r\n");
        LineAssembler assembler;
        QStringList lines;
        for (int at = 0; at < wire.size();) {
            const int size = qMin(255, wire.indexOf(QLatin1Char('\n'), at) + 1 - at);
            const LineAssembler::Result result = assembler.take(wire.mid(at, size), false);
            if (result.kind == LineAssembler::Kind::Line) {
                lines << result.text;
            }
            at += size;
        }
        QStringList expected { "$D*00\n" };
        if (kept) {
            expected.prepend(QString(length - 2, QLatin1Char('a')) + QLatin1Char('\n'));
        }
        QCOMPARE(lines, expected);
    }

    void readsEveryLineOfABurstBeyondTheBound()
    {
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        QByteArray burst;
        const int count = SerialController::MaxPiecesPerRead * 3 + 7;
        for (int i = 0; i < count; ++i) {
            burst += "$GPTXT," + QByteArray::number(i) + "*00\r\n";
        }
        m_peer->write(burst);
        QTRY_COMPARE_WITH_TIMEOUT(m_received->count(), count, 5000);
        QCOMPARE(m_received->last().at(0).toString(), QStringLiteral("$GPTXT,%1*00\n").arg(count - 1));
    }

    void sendsLatin1AndIgnoresAClosedPort()
    {
        QSignalSpy sent(m_controller, &SerialController::Sent);
        m_controller->OnSend(QStringLiteral("lost\r\n"));
        QCOMPARE(sent.count(), 0);
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud38400));
        m_controller->OnSend(QStringLiteral("caf\u00e9\r\n"));
        m_controller->OnSend(QByteArray("raw"));
        QVERIFY(m_peer->waitForText("raw", 2000));
        QCOMPARE(m_peer->takeReceived(), QByteArray("caf\xe9\r\nraw"));
        QCOMPARE(sent.count(), 1);
    }

    void unplugClosesThePort()
    {
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        QSignalSpy closed(m_controller, &SerialController::Closed);
        m_peer->unplug();
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 3000);
        QVERIFY(!m_controller->IsOpen());
    }

    void logsReceivedLinesButNoIdentification()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("serial.log"));
        QVERIFY(m_controller->StartLog(path));
        QVERIFY(!m_controller->StartLog(path));
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        m_peer->write("$PKRX,255,appver,0,1.2*00\r\n$PKRX,255,getserno,1,77*00\r\n$GPRMC,x*00\r\n>");
        QTRY_COMPARE_WITH_TIMEOUT(m_received->count(), 4, 2000);
        QVERIFY(m_controller->StopLog());
        QVERIFY(!m_controller->StopLog());
        const QStringList lines = ReadAll(path).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.at(0), QStringLiteral("#"));
        QVERIFY(QRegularExpression(QStringLiteral("^# velmora Started log file at \\d\\d:\\d\\d:\\d\\d "
                                                  "\\d{4}/\\d\\d/\\d\\d$"))
                    .match(lines.at(1))
                    .hasMatch());
        QCOMPARE(lines.at(2), QStringLiteral("#"));
        QCOMPARE(lines.at(3), QStringLiteral("$GPRMC,x*00"));
        QVERIFY(lines.at(5).startsWith(QLatin1String("# velmora Stopped log file at ")));
        QCOMPARE(lines.at(7), QString());
    }

    void logStampsLinesWhenAsked()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("serial.log"));
        QVERIFY(m_controller->StartLog(path));
        QVERIFY(m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        m_controller->SetLogTimeStamps(true);
        m_peer->write("$GPRMC,x*00\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(m_received->count(), 1, 2000);
        m_controller->SetLogTimeStamps(false);
        m_peer->write("$GPGGA,y*00\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(m_received->count(), 2, 2000);
        m_controller->StopLog();
        const QStringList lines = ReadAll(path).split(QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\$GPRMC,x\\*00$")).match(lines.at(3)).hasMatch(),
            qPrintable(lines.at(3)));
        QCOMPARE(lines.at(4), QStringLiteral("$GPGGA,y*00"));
    }

    void reportsALogThatCannotBeCreated()
    {
        QVERIFY(!m_controller->StartLog(QStringLiteral("/nonexistent/dir/serial.log")));
        QVERIFY(m_controller->LogErrorString() != QLatin1String("Unknown error"));
    }

    void replaysASavedLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("replay.log"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#\n# velmora Started log file at 10:00:00 2024/01/01\n#\n"
                   "$GPRMC,1*00\n>$PKRX,0,0,0x00000000,2,appver,0*5B\n$GPRMC,2*00\n$GPRMC,3*00\n");
        file.close();
        QSignalSpy sent(m_controller, &SerialController::Sent);
        QSignalSpy closed(m_controller, &SerialController::Closed);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(m_controller->OpenFile(path));
        QVERIFY(m_controller->IsReplaying());
        QVERIFY(!m_controller->OpenPort(m_peer->portPath(), BaudType::Baud115200));
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 3000);
        // Seven lines and the end of the file: eight ticks of the replay timer.
        QVERIFY(clock.elapsed() >= 8 * SerialController::ReplayInterval - 5);
        QCOMPARE(m_received->count(), 3);
        QCOMPARE(m_received->at(2).at(0).toString(), QStringLiteral("$GPRMC,3*00\n"));
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral(">$PKRX,0,0,0x00000000,2,appver,0*5B\n"));
        QVERIFY(!m_controller->IsOpen());
        QTest::qWait(50);
        QCOMPARE(closed.count(), 1);
    }

    void refusesAMissingReplayFile()
    {
        QVERIFY(!m_controller->OpenFile(QStringLiteral("/nonexistent/replay.log")));
        QVERIFY(!m_controller->IsOpen());
        QVERIFY(m_controller->ErrorString() != QLatin1String("Unknown error"));
    }

    void listsPortsWithDisplayNames()
    {
        ListedPorts ports;
        ports.ports = { ListedPorts::Record(QStringLiteral("ttyS0"), QString()),
            ListedPorts::Record(QStringLiteral("LPT1"), QStringLiteral("Printer")),
            ListedPorts::Record(QStringLiteral("ttyACM0"), QStringLiteral("STM32 Virtual ComPort")),
            ListedPorts::Record(QStringLiteral("ttyACM1"), QString(), QStringLiteral("STMicroelectronics")),
            ListedPorts::Record(QStringLiteral("ttyUSB0"), QString(), QStringLiteral("FTDI")),
            ListedPorts::Record(QStringLiteral("ttyUSB1"), QStringLiteral("stm32 lower case")) };
        SerialController::SetPortEnumerator(&ports);
        const QList<QPair<QString, QString>> expected { { "ttyS0", "ttyS0" },
            { "ttyACM0", "AIS Virtual COM Port" }, { "ttyACM1", "AIS Virtual COM Port" },
            { "ttyUSB0", "FTDI" }, { "ttyUSB1", "stm32 lower case" } };
        QCOMPARE(SerialController::ListPorts(), expected);
        QCOMPARE(SerialController::PortDescription(QStringLiteral("ttyACM1")),
            QStringLiteral("AIS Virtual COM Port"));
        QCOMPARE(SerialController::PortDescription(QStringLiteral("ttyS0")), QStringLiteral("ttyS0"));
        QCOMPARE(SerialController::PortDescription(QStringLiteral("gone")), QStringLiteral("gone"));
    }

    void findsTheFirstFreeDevicePort_data()
    {
        QTest::addColumn<QList<int>>("busy");
        QTest::addColumn<int>("expected");
        QTest::newRow("both free") << QList<int> {} << 1;
        QTest::newRow("first busy") << QList<int> { 1 } << 2;
        QTest::newRow("all busy: the last") << QList<int> { 1, 2 } << 2;
    }

    void findsTheFirstFreeDevicePort()
    {
        QFETCH(QList<int>, busy);
        QFETCH(int, expected);
        PtyPeer second;
        const QStringList paths { m_peer->portPath(), second.portPath() };
        ListedPorts ports;
        ports.ports = { ListedPorts::Record(QStringLiteral("ttyS0"), QString()),
            ListedPorts::Record(paths.at(0), QString(), QString(), SerialController::DefaultVendorId,
                SerialController::DefaultProductId),
            ListedPorts::Record(paths.at(1), QString(), QString(), SerialController::DefaultVendorId,
                SerialController::DefaultProductId),
            ListedPorts::Record(QStringLiteral("ttyUSB9"), QString(), QString(), 1, 2) };
        SerialController::SetPortEnumerator(&ports);
        QList<QSharedPointer<QSerialPort>> holders;
        for (int index : busy) {
            holders.append(QSharedPointer<QSerialPort>::create(paths.at(index - 1)));
            QVERIFY(holders.last()->open(QIODevice::ReadWrite));
            QVERIFY(SerialController::IsPortBusy(paths.at(index - 1)));
        }
        QCOMPARE(SerialController::FindDevicePort(-1, -1), paths.at(expected - 1));
        QCOMPARE(SerialController::FindDevicePort(1, 2), QStringLiteral("ttyUSB9"));
        QCOMPARE(SerialController::FindDevicePort(1, 3), QString());
    }

private:
    PtyPeer* m_peer = nullptr;
    SerialController* m_controller = nullptr;
    QSignalSpy* m_received = nullptr;
};

QTEST_GUILESS_MAIN(TestSerialController)
#include "TestSerialController.moc"

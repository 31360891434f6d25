#include "SimLink.h"
#include "app/JobNames.h"
#include "protocol/cSecurityDomainManager.h"

#include <QTemporaryDir>

namespace {

QStringList Names(const QSignalSpy& spy)
{
    QStringList names;
    for (const QVariantList& args : spy) {
        names.append(args.at(0).toString());
    }
    return names;
}

} // namespace

class TestSerialTransport : public QObject {
    Q_OBJECT

private slots:
    void testsTheConnectionAt115200()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        link.actAsStateMachine();
        QSignalSpy tests(link.transport.get(), &Transport::testConnection);
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        QVERIFY(link.transport->ConnectAtBaud(true));
        QCOMPARE(tests.count(), 1);
        QCOMPARE(tests.first().first().toInt(), 19);
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 3000);
        QCOMPARE(Names(complete), QStringList({ JobName::ConnectionTest }));
        QCOMPARE(link.transport->Response(JobName::ConnectionTest, 0), QStringLiteral("050200.02.01.00"));
        QVERIFY(link.transport->ConnectTransport());
        QVERIFY(!link.transport->ConnectTransport());
        QVERIFY(link.transport->IsConnected());
        QCOMPARE(link.transport->ConnectionDescription(),
            QStringLiteral("Connected to Serial Port: %1 ...").arg(link.device.portPath()));
    }

    void fallsBackTo38400AfterTheSecurityPoll()
    {
        SimConfig config = QuickDevice();
        config.baud = 38400;
        SimLink link(config);
        QVERIFY(link.started);
        link.actAsStateMachine();
        QSignalSpy tests(link.transport.get(), &Transport::testConnection);
        QSignalSpy sent(link.transport.get(), &Transport::Sent);
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        QSignalSpy disconnected(link.transport.get(), &Transport::Disconnected);
        QVERIFY(link.transport->ConnectAtBaud(true));
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 5000);
        QCOMPARE(tests.count(), 2);
        QCOMPARE(tests.at(1).first().toInt(), 15);
        QCOMPARE(link.transport->Baud(), BaudType::Baud38400);
        QCOMPARE(Names(complete), QStringList({ JobName::ConnectionTest }));
        QCOMPARE(sent.count(), 3);
        QVERIFY(sent.at(1).first().toString().startsWith(QLatin1String("$PKRX,SAC,Q,,80,")));
        // Switching the rate closes the port under the transport first.
        QCOMPARE(disconnected.count(), 1);
        QCOMPARE(disconnected.first().first().toBool(), false);
    }

    void asksForThePasswordWhenTheDeviceIsLocked()
    {
        cSecurityDomainManager::setDefaultPasswordSource([] { return QStringLiteral("harbour"); });
        SimConfig config = QuickDevice();
        config.password = QStringLiteral("harbour");
        SimLink link(config);
        QVERIFY(link.started);
        link.actAsStateMachine();
        QSignalSpy complete(link.transport.get(), &Transport::JobComplete);
        QSignalSpy errors(link.transport.get(), &Transport::CommandError);
        QSignalSpy tests(link.transport.get(), &Transport::testConnection);
        QVERIFY(link.transport->ConnectAtBaud(true));
        QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 4, 5000);
        cSecurityDomainManager::setDefaultPasswordSource([] { return QString(); });
        QCOMPARE(Names(complete),
            QStringList({ JobName::PollSecurityEnabled, JobName::SecurityAccessRequest,
                JobName::SecurityAccessChallengeResponse, JobName::ConnectionTest }));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(tests.count(), 1);
        QVERIFY(!link.device.isLocked());
    }

    void reportsAPortThatVanishes()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(link.transport->ConnectAtBaud(true));
        link.transport->ConnectTransport();
        QSignalSpy disconnected(link.transport.get(), &Transport::Disconnected);
        link.device.stop();
        QTRY_COMPARE_WITH_TIMEOUT(disconnected.count(), 1, 3000);
        QCOMPARE(disconnected.first().first().toBool(), false);
        QVERIFY(!link.transport->IsConnected());
        QVERIFY(!link.controller.IsOpen());
    }

    void keepsAnEstablishedPortForTheNextTransport()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(link.transport->ConnectAtBaud(true));
        link.transport->ConnectTransport();
        QSignalSpy disconnected(link.transport.get(), &Transport::Disconnected);
        QVERIFY(link.transport->Disconnect(true));
        QCOMPARE(disconnected.count(), 0);
        QVERIFY(link.controller.IsOpen());
        link.transport = std::make_unique<SerialTransport>(&link.model, &link.controller, link.device.portPath());
        QSignalSpy next(link.transport.get(), &Transport::Disconnected);
        QVERIFY(link.transport->ConnectAtBaud(true));
        QCOMPARE(next.count(), 1);
        QCOMPARE(next.first().first().toBool(), false);
        QVERIFY(link.controller.IsOpen());
        // Not established: this one closes the port and says so.
        QVERIFY(link.transport->Disconnect(true));
        QCOMPARE(next.count(), 3);
        QCOMPARE(next.last().first().toBool(), true);
        QVERIFY(!link.controller.IsOpen());
    }

    void reportsAPortThatCannotBeOpened()
    {
        Model model;
        SerialController controller;
        SerialTransport transport(&model, &controller, QStringLiteral("/nonexistent/ttyACM9"));
        QSignalSpy errors(&transport, &Transport::ConnectErrorMsg);
        QVERIFY(!transport.ConnectAtBaud(true));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(transport.LastError(), QStringLiteral("An error was encountered in trying to open the serial port."));
    }

    void releasesThePortForTheUpdater()
    {
        SimLink link(QuickDevice());
        QVERIFY(link.started);
        QVERIFY(link.transport->ConnectAtBaud(true));
        QSignalSpy released(link.transport.get(), &Transport::portForSwUpdateResponse);
        QSignalSpy tests(link.transport.get(), &Transport::testConnection);
        link.transport->on_UsePortForSwUpdate(true);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().first().toBool(), true);
        QVERIFY(!link.controller.IsOpen());
        link.transport->on_UsePortForSwUpdate(false);
        QVERIFY(link.controller.IsOpen());
        QCOMPARE(tests.count(), 1);
    }

    void replaysALogFileAsTheLink()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.log"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#\n");
        for (int i = 0; i < 20; ++i) {
            file.write("$GPTXT,01,01,02,hello*00\n");
        }
        file.close();
        Model model;
        SerialController controller;
        SerialTransport transport(&model, &controller, QStringLiteral("unused"));
        QSignalSpy errors(&transport, &Transport::ConnectErrorMsg);
        QSignalSpy connected(&transport, &Transport::transportConnected);
        QSignalSpy received(&transport, &Transport::Received);
        QVERIFY(!transport.ConnectFile(dir.filePath(QStringLiteral("missing.log"))));
        QVERIFY(errors.last().first().toString().startsWith(QLatin1String("Error connecting a file. ")));
        QVERIFY(transport.ConnectFile(path));
        QCOMPARE(connected.count(), 1);
        QCOMPARE(transport.ConnectionDescription(), QStringLiteral("Reading Log File %1 ...").arg(path));
        SerialTransport second(&model, &controller, QStringLiteral("unused"));
        QSignalSpy secondErrors(&second, &Transport::ConnectErrorMsg);
        QVERIFY(!second.ConnectFile(path));
        QCOMPARE(secondErrors.first().first().toString(), QStringLiteral("A connection is already open"));
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 20, 2000);
    }
};

QTEST_GUILESS_MAIN(TestSerialTransport)
#include "TestSerialTransport.moc"

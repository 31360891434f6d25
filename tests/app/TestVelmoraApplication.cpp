#include "app/VelmoraApplication.h"
#include "link/PtyPeer.h"
#include "link/SerialTransport.h"
#include "link/cConnectionManager.h"
#include "ui/MainWindow.h"

#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// The store the application reads at start-up; set up by main() before the
// application exists, in a folder of its own.
QTemporaryDir* configurationFolder = nullptr;

QList<QWidget*> VisibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            windows << widget;
        }
    }
    return windows;
}
} // namespace

class TestVelmoraApplication : public QObject {
    Q_OBJECT

private slots:
    void instanceIsTheApplication() { QCOMPARE(VelmoraApplication::Instance(), qApp); }

    void identityLocatesTheSettings()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Norwake"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("velmora"));
        const QRegularExpression version(
            QStringLiteral("^161000\\.02\\.02\\.03  \\( [A-Z][a-z]{2} \\d{1,2} \\d{4} \\)$"));
        QVERIFY2(version.match(QCoreApplication::applicationVersion()).hasMatch(),
            qPrintable(QCoreApplication::applicationVersion()));
        QVERIFY(QSettings().fileName().startsWith(configurationFolder->path()));
        const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(dataFolder.endsWith(QStringLiteral("/Norwake/velmora")));
        QVERIFY(QFile::exists(dataFolder + QStringLiteral("/velmoraProgrammed.csv")));
    }

    void settingsAreLoadedAtStart()
    {
        VelmoraApplication* application = VelmoraApplication::Instance();
        QCOMPARE(application->PortName(), QStringLiteral("/dev/ttyACM7"));
        QVERIFY(application->ShowTransmit());
        QVERIFY(application->HasPassword());
        QVERIFY(application->CheckPassword(QStringLiteral("abc")));
    }

    void withoutIdsTheDefaultDeviceIsSought()
    {
        QCOMPARE(VelmoraApplication::Instance()->VendorId(), -1);
        QCOMPARE(VelmoraApplication::Instance()->ProductId(), -1);
        QCOMPARE(VelmoraApplication::Instance()->CommandLinePort(), QString());
    }

    void theModelsAreTwoObjects()
    {
        VelmoraApplication* application = VelmoraApplication::Instance();
        QVERIFY(application->GetTabModel());
        QVERIFY(application->GetTransportModel());
        QVERIFY(application->GetTabModel() != application->GetTransportModel());
    }

    // The road of a failure: the transport cannot open the port, the state
    // machine reports it through the connection manager and asks for the
    // disconnect, and the transport goes.
    void failedOpenEndsTheConnectionWithAnError()
    {
        VelmoraApplication* application = VelmoraApplication::Instance();
        QSignalSpy disconnecting(application, &VelmoraApplication::Disconnecting);
        QSignalSpy connectErrors(application, &VelmoraApplication::ConnectError);
        application->SetPortName(configurationFolder->filePath(QStringLiteral("no-such-port")));

        application->ConnectSerialTransport();
        QVERIFY(!application->GetTransport());
        QCOMPARE(disconnecting.count(), 1);
        QCOMPARE(disconnecting.first().first().toBool(), true);
        QCOMPARE(connectErrors.count(), 1);
        const QList<QWidget*> windows = VisibleWindows();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            const auto* box = qobject_cast<QMessageBox*>(window);
            return box && box->text().startsWith(QStringLiteral("Error connecting to the Identifier."));
        }));
        QTRY_VERIFY(application->findChildren<SerialTransport*>().isEmpty());

        application->GetConnectionManager()->OnClearDisplayError();
        application->Disconnect(true);
        QCOMPARE(disconnecting.count(), 1);
    }

    void oneTransportPerConnection()
    {
        VelmoraApplication* application = VelmoraApplication::Instance();
        PtyPeer device;
        QVERIFY(device.isOpen());
        application->SetPortName(device.portPath());
        QSignalSpy disconnecting(application, &VelmoraApplication::Disconnecting);
        QSignalSpy connectErrors(application, &VelmoraApplication::ConnectError);

        application->ConnectSerialTransport();
        const QPointer<SerialTransport> transport = application->GetTransport();
        QVERIFY(transport);
        QVERIFY(transport->isRunning());
        // The state machine answers the transport's first attempt with the
        // connection test, which reaches the device.
        QVERIFY(device.waitForText("appver", 5000));
        application->ConnectSerialTransport();
        QCOMPARE(application->GetTransport(), transport.data());
        QCOMPARE(application->findChildren<SerialTransport*>().size(), 1);

        // Whoever hears of the disconnect may ask for one again.
        const QMetaObject::Connection again = connect(application, &VelmoraApplication::Disconnecting,
            application, [application] { application->Disconnect(false); });
        application->Disconnect(false);
        disconnect(again);
        QVERIFY(!application->GetTransport());
        QCOMPARE(disconnecting.count(), 1);
        QCOMPARE(connectErrors.count(), 0);
        QVERIFY(transport->isFinished());
        QTRY_VERIFY(!transport);
    }

    // The real program, in German: help and version need no display at all;
    // a wrong command line is answered once Qt has taken its own options.
    void commandLineIsAnsweredInTheUsersLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("answer");

        QTest::newRow("help") << QStringList { "--help" } << 0
                              << "Konfiguriert, überwacht und aktualisiert den Identifier.";
        QTest::newRow("version") << QStringList { "-v" } << 0 << "velmora 161000.02.02.03";
        QTest::newRow("wrong") << QStringList { "-platform", "offscreen", "--port=" } << 1
                               << "Die Option --port benötigt den Pfad einer Schnittstelle.";
    }

    void commandLineIsAnsweredInTheUsersLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, answer);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
            { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES" }) {
            environment.remove(QLatin1String(name));
        }
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("HOME"), configurationFolder->path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(BINARY_DIR "/velmora"), arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString output = QString::fromUtf8(program.readAll());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == exitCode,
            qPrintable(output));
        QVERIFY2(output.contains(answer), qPrintable(output));
    }

    // The last test: the event loop runs once per application object.
    void startsWithTheMainWindowAndSavesChangesWhenClosed()
    {
        VelmoraApplication* application = VelmoraApplication::Instance();
        application->SetPortName(QStringLiteral("/dev/ttyUSB1"));
        QStringList shown; // class names: the windows are gone once they are checked
        QTimer::singleShot(0, application, [&shown] {
            MainWindow* mainWindow = nullptr;
            for (QWidget* window : VisibleWindows()) {
                shown << QString::fromLatin1(window->metaObject()->className());
                mainWindow = mainWindow ? mainWindow : qobject_cast<MainWindow*>(window);
            }
            if (mainWindow) {
                mainWindow->close();
            }
        });
        // Should the window not close, the test still ends, and fails below.
        QTimer::singleShot(10000, application, [] { QCoreApplication::exit(2); });

        QCOMPARE(application->Run(), 0);
        shown.sort();
        QCOMPARE(shown, (QStringList { QStringLiteral("MainWindow"), QStringLiteral("QMessageBox") }));
        QVERIFY(VisibleWindows().isEmpty());
        QCOMPARE(QSettings().value(QStringLiteral("PortName")).toString(), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(QSettings().value(QStringLiteral("PasswordDigest")).toULongLong(), quint64(941094));
    }
};

int main(int argc, char* argv[])
{
    QTemporaryDir folder;
    configurationFolder = &folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QStandardPaths::setTestModeEnabled(true);
    // Written again at start-up, where the application's names place it.
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Norwake/velmora/velmoraProgrammed.csv"));
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Norwake"),
            QStringLiteral("velmora"));
        store.setValue(QStringLiteral("PortName"), QStringLiteral("/dev/ttyACM7"));
        store.setValue(QStringLiteral("ShowTransmit"), true);
        store.setValue(QStringLiteral("PasswordDigest"), QStringLiteral("941094"));
    }

    // The application gets a command line of its own; the test's options are
    // for QtTest.
    int applicationArgc = 1;
    char name[] = "velmora";
    char* applicationArgv[] = { name, nullptr };
    VelmoraApplication application(applicationArgc, applicationArgv);
    TestVelmoraApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestVelmoraApplication.moc"

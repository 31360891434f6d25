// The configuration program and the updater as a user gets them: both
// programs in a folder of their own, the updater in "AISImage" beside an
// image newer than the simulated Identifier's firmware. The updater's window
// is shown on Qt's VNC platform, where the test looks at it and clicks
// "Close" as the user would; nothing else is done by hand.

#include "SimulatedIdentifier.h"
#include "VncScreen.h"

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

const QString OldVersion = QStringLiteral("050200.02.01.00");
const QString NewVersion = QStringLiteral("050200.03.00.00");
// Not a whole number of blocks, so the last block is padded.
constexpr int ImageSize = 40 * 1024 - 300;
constexpr char Padding = 0x1A;
// Where the form puts the "Close" button, from the window's top-left corner.
const QPoint CloseButton(179 + 250 + 37, 295 + 2 + 11);

QByteArray firmwareImage()
{
    QByteArray image = "IDENTIFIER FIRMWARE " + NewVersion.toLatin1() + '\n';
    // Every byte value, the protocol's own control bytes among them.
    for (int i = image.size(); i < ImageSize; ++i) {
        image += char((i * 7 + i / 251) & 0xFF);
    }
    return image;
}

QByteArray padded(QByteArray image)
{
    const int blocks = (image.size() + 1023) / 1024;
    return image.append(QByteArray(blocks * 1024 - image.size(), Padding));
}

quint16 freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost) ? server.serverPort() : 0;
}

// True when every needle appears in entries after from, in this order.
bool inOrder(const QStringList& entries, int from, const QStringList& needles)
{
    int at = from;
    for (const QString& needle : needles) {
        while (at < entries.size() && !entries.at(at).contains(needle)) {
            ++at;
        }
        if (at == entries.size()) {
            return false;
        }
        ++at;
    }
    return true;
}

int indexContaining(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).contains(text)) {
            return i;
        }
    }
    return -1;
}

// Clicks at offset from the top-left corner of the one window on the VNC
// screen at port.
bool clickOnWindow(quint16 port, const QPoint& offset)
{
    VncScreen screen;
    QPoint window;
    if (!screen.connectTo(port, 10000) || !VncScreen::findWindow(screen.grab(10000), &window)) {
        return false;
    }
    screen.click(window + offset);
    return true;
}

// What crossed the line once the new firmware was in.
QString sinceUpdate(const QStringList& entries)
{
    return entries.mid(indexContaining(entries, QStringLiteral("new firmware"))).join(QLatin1Char('\n'));
}

// The configuration program run from a folder of its own, with its settings,
// its temporary files and the updater's log in there too.
class Installation {
public:
    bool create(const QByteArray& image)
    {
        return root.isValid() && QDir(root.path()).mkpath(QStringLiteral("AISImage"))
            && QDir(root.path()).mkpath(QStringLiteral("runtime"))
            && QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            && QFile::copy(QStringLiteral(BINARY_DIR "/velmora"), path("velmora"))
            && QFile::copy(QStringLiteral(BINARY_DIR "/Flashwell"), updaterPath())
            && writeFile(path("AISImage/050200_03_00_00.img"), image);
    }

    ~Installation()
    {
        // The updater first: the configuration program waits for it.
        for (pid_t pid : updaterProcesses()) {
            ::kill(pid, SIGKILL);
        }
        if (velmora.state() != QProcess::NotRunning) {
            velmora.terminate();
            if (!velmora.waitForFinished(5000)) {
                velmora.kill();
                velmora.waitForFinished(5000);
            }
        }
    }

    bool start(const QString& portPath, quint16 vncPort)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR" }) {
            environment.insert(QLatin1String(name), root.path());
        }
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        // The updater inherits the environment and shows itself on the VNC
        // screen; the configuration program has a platform of its own.
        environment.insert(
            QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:size=1024x768:port=%1").arg(vncPort));
        velmora.setProcessEnvironment(environment);
        velmora.setProcessChannelMode(QProcess::MergedChannels);
        velmora.start(path("velmora"),
            { QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--port"), portPath });
        return velmora.waitForStarted(10000);
    }

    QString path(const char* name) const { return root.filePath(QLatin1String(name)); }
    QString updaterPath() const { return path("AISImage/Flashwell"); }

    // The update log's messages, without their time stamps.
    QStringList updateLog() const
    {
        QFile file(path("flashwelllog.txt"));
        QStringList messages;
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
                messages << line.section(QStringLiteral(" : "), 1);
            }
        }
        return messages;
    }

    // Updater processes started from this installation.
    QList<pid_t> updaterProcesses() const
    {
        const QString program = QFileInfo(updaterPath()).canonicalFilePath();
        QList<pid_t> processes;
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const pid_t pid = entry.toInt(&number);
            if (number && QFileInfo(QStringLiteral("/proc/%1/exe").arg(entry)).symLinkTarget() == program) {
                processes << pid;
            }
        }
        return processes;
    }

    QProcess velmora;

private:
    static bool writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QTemporaryDir root;
};

} // namespace

class TestUpdateEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void updatesAnOlderDeviceAndGoesOnToConfigureIt()
    {
        const QByteArray image = firmwareImage();
        Installation installation;
        QVERIFY(installation.create(image));
        SimConfig config;
        config.version = OldVersion;
        SimulatedIdentifier device(config);
        QByteArray received;
        connect(&device, &SimulatedIdentifier::imageReceived, this,
            [&received](const QByteArray& bytes) { received = bytes; });
        QString error;
        QVERIFY2(device.start(&error), qPrintable(error));
        const quint16 vncPort = freePort();
        QVERIFY(vncPort != 0);
        QVERIFY(installation.start(device.portPath(), vncPort));

        QVERIFY2(QTest::qWaitFor(
                     [&installation] {
                         return installation.updateLog().contains(QStringLiteral("Updating - complete"));
                     },
                     60000),
            qPrintable(installation.updateLog().join(QLatin1Char('\n'))));
        QCOMPARE(device.state().firmwareVersion, NewVersion);
        QVERIFY(received == padded(image));

        // The complete screen waits for the user.
        // The viewer waits for the screen without serving events, so it
        // runs in a thread of its own: the simulated device lives on this
        // thread's event loop and must go on listening.
        bool clicked = false;
        const std::unique_ptr<QThread> viewer(
            QThread::create([vncPort, &clicked] { clicked = clickOnWindow(vncPort, CloseButton); }));
        viewer->start();
        QVERIFY(QTest::qWaitFor([&viewer] { return viewer->isFinished(); }, 30000));
        QVERIFY(clicked);
        QVERIFY(QTest::qWaitFor(
            [&installation] { return installation.updateLog().endsWith(QStringLiteral("Complete")); },
            10000));
        const QStringList log = installation.updateLog();
        QCOMPARE(log.first(), QStringLiteral("Process Starting"));
        QCOMPARE(log.mid(log.size() - 2), QStringList({ "Updating - complete", "Complete" }));
        QVERIFY(!log.contains(QStringLiteral("User retry/repeat")));

        // The configuration program takes the port back, finds the new
        // version and reads the device's settings.
        const auto configured = [&device] {
            const QStringList entries = device.transcript();
            return inOrder(entries, indexContaining(entries, QStringLiteral("new firmware")),
                { QStringLiteral("appver"), QStringLiteral(",appver,0,%1*").arg(NewVersion),
                    QStringLiteral("AIQ,SMM"), QStringLiteral("AIQ,SSD"), QStringLiteral("AIQ,VSD") });
        };
        QVERIFY2(QTest::qWaitFor(configured, 30000),
            qPrintable(sinceUpdate(device.transcript()) + QLatin1Char('\n')
                + QString::fromLocal8Bit(installation.velmora.readAll())));
        QCOMPARE(installation.velmora.state(), QProcess::Running);
        // Looked at only now: scanning every process is too heavy to repeat
        // while the programs are at work.
        QVERIFY(installation.updaterProcesses().isEmpty());
    }

    // An image that cannot go is found out before the updater would reset
    // the device: velmora goes on with the device as it is.
    void keepsTheDeviceRunningWhenTheImageCannotGo_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("empty image") << OldVersion << QByteArray();
        QTest::newRow("device of another family") << "040200.05.00.00" << firmwareImage();
        QTest::newRow("image older than the firmware") << "050200.04.00.00" << firmwareImage();
    }
    void keepsTheDeviceRunningWhenTheImageCannotGo()
    {
        QFETCH(QString, version);
        QFETCH(QByteArray, image);
        Installation installation;
        QVERIFY(installation.create(image));
        SimConfig config;
        config.version = version;
        SimulatedIdentifier device(config);
        QString error;
        QVERIFY2(device.start(&error), qPrintable(error));
        QVERIFY(installation.start(device.portPath(), freePort()));
        const auto identified
            = [&device] { return indexContaining(device.transcript(), QStringLiteral("getserno")) >= 0; };
        QVERIFY2(QTest::qWaitFor(identified, 30000), qPrintable(device.transcript().join(QLatin1Char('\n'))));
        QCOMPARE(indexContaining(device.transcript(), QStringLiteral(",reset,")), -1);
        QCOMPARE(device.mode(), SimulatedIdentifier::Mode::Running);
        QVERIFY(installation.updateLog().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUpdateEndToEnd)
#include "TestUpdateEndToEnd.moc"

// velmora-cli monitor run as a program against the simulated Identifier:
// its broadcasts decoded in words and as JSON, and a port that stays silent.

#include "SimConfig.h"
#include "SimulatedIdentifier.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class TestCliMonitor : public QObject {
    Q_OBJECT

private slots:
    void broadcastsInWordsAndAsJson();
    void silentPortIsACommunicationFailure();

private:
    // Runs the program to its end while the simulated device goes on answering.
    int Run(const QStringList& arguments, QString* out = nullptr);

    QTemporaryDir m_dir;
};

int TestCliMonitor::Run(const QStringList& arguments, QString* out)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir.path()); // the configuration log stays here
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BINARY_DIR "/velmora-cli"), arguments);
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    qInfo().noquote() << "velmora-cli said:" << process.readAllStandardError().trimmed();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestCliMonitor::broadcastsInWordsAndAsJson()
{
    SimConfig config;
    config.replyDelayMs = 5;
    config.settings = QJsonObject { { QStringLiteral("mmsi"), QStringLiteral("235000123") },
        { QStringLiteral("positionInterval"), 1 }, { QStringLiteral("staticDataInterval"), 1 },
        { QStringLiteral("vesselName"), QStringLiteral("SEA BREEZE") },
        { QStringLiteral("callSign"), QStringLiteral("MABC12") } };
    SimulatedIdentifier device(config);
    QString error;
    QVERIFY2(device.start(&error), qPrintable(error));
    const QStringList monitor { QStringLiteral("monitor"), QStringLiteral("--port"), device.portPath(),
        QStringLiteral("--seconds"), QStringLiteral("3") };

    QString out;
    QCOMPARE(Run(monitor, &out), 0);
    QVERIFY2(out.contains(QStringLiteral("Static data, part A (24): MMSI 235000123; Name SEA BREEZE\n")),
        qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Call sign MABC12")), qPrintable(out));
    QVERIFY2(
        out.contains(QStringLiteral("Position report, class B (18): MMSI 235000123; Position 50.35500° N")),
        qPrintable(out));

    QCOMPARE(Run(monitor + QStringList { QStringLiteral("--json") }, &out), 0);
    QSet<QString> names;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        QVERIFY2(object.value(QStringLiteral("mmsi")).toInt() == 235000123, qPrintable(line));
        names << object.value(QStringLiteral("shipname")).toString();
    }
    QVERIFY2(names.contains(QStringLiteral("SEA BREEZE")), qPrintable(out));
}

void TestCliMonitor::silentPortIsACommunicationFailure()
{
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    const QString port = QString::fromLatin1(ptsname(terminal));
    QString out;
    QCOMPARE(Run({ QStringLiteral("monitor"), QStringLiteral("--port"), port, QStringLiteral("--timeout"),
                     QStringLiteral("2"), QStringLiteral("--seconds"), QStringLiteral("2") },
                 &out),
        3);
    QVERIFY(out.isEmpty());
    ::close(terminal);
}

QTEST_GUILESS_MAIN(TestCliMonitor)
#include "TestCliMonitor.moc"

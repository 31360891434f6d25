// Reads every job of the advanced mode from identifier-sim, run as its own
// process with a fixed reply delay, and reports how much time the program
// adds to each item beyond the device's delay and the time its reply spends
// on the line; then measures the program's processor use while it is
// connected and idle, polling once a second as the state machine does.

#include "app/JobNames.h"
#include "link/SerialController.h"
#include "link/SerialTransport.h"
#include "model/Model.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

const int ReplyDelayMs = 20;
const int Rounds = 5;
const int IdleSeconds = 20;
const double ByteMicroseconds = 10.0 * 1e6 / 115200;

QStringList AdvancedJobs()
{
    return { JobName::Version, JobName::Configuration, JobName::ForIdentifierV4, JobName::Control,
        JobName::Diagnostics, JobName::VdrConfiguration };
}

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

template <typename Signal> bool WaitFor(const Transport* sender, Signal signal, int timeoutMs)
{
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(sender, signal, &loop, [&loop] { loop.exit(0); });
    return loop.exec() == 0;
}

void Fail(const QString& why)
{
    QTextStream(stderr) << "benchmark failed: " << why << '\n';
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("sim.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(file.errorString());
    }
    file.write(QStringLiteral("{\"replyDelayMs\": %1}").arg(ReplyDelayMs).toUtf8());
    file.close();

    QProcess simulator;
    simulator.start(QStringLiteral(BINARY_DIR "/identifier-sim"), { QStringLiteral("--config"), config });
    if (!simulator.waitForStarted(5000) || !simulator.waitForReadyRead(5000)) {
        Fail(QStringLiteral("identifier-sim did not start: ") + simulator.errorString());
    }
    const QString port = QString::fromLocal8Bit(simulator.readLine()).trimmed();

    Model model;
    SerialController controller;
    // Hooked up before the transport, so it sees each line before the
    // transport acts on it.
    QElapsedTimer clock;
    qint64 lastReceived = 0;
    qint64 replyBytes = 0;
    QList<qint64> turnarounds;
    int items = 0;
    bool measuring = false;
    QObject::connect(&controller, &SerialController::Received, &controller, [&](const QString& line) {
        lastReceived = clock.nsecsElapsed();
        replyBytes += measuring ? line.size() + 1 : 0;
    });
    SerialTransport transport(&model, &controller, port);
    QObject::connect(&transport, &Transport::testConnection, &transport,
        [&transport](int) { transport.QueueJob(JobName::ConnectionTest, false); });
    if (!transport.ConnectAtBaud(true) || !WaitFor(&transport, &Transport::JobComplete, 5000)) {
        Fail(QStringLiteral("no connection on ") + port + QStringLiteral(": ") + transport.LastError());
    }
    transport.ConnectTransport();

    QObject::connect(&transport, &Transport::Sent, &transport, [&](const QString&) {
        if (!measuring) {
            return;
        }
        ++items;
        if (lastReceived > 0) {
            turnarounds.append(clock.nsecsElapsed() - lastReceived);
        }
    });
    QObject::connect(&transport, &Transport::JobTimeout, &transport, [] { Fail(QStringLiteral("a job timed out")); });

    clock.start();
    measuring = true;
    const double cpuBefore = CpuSeconds();
    for (int round = 0; round < Rounds; ++round) {
        lastReceived = 0;
        for (const QString& job : AdvancedJobs()) {
            transport.QueueJob(job, false);
        }
        if (!WaitFor(&transport, &Transport::AllJobsComplete, 60000)) {
            Fail(QStringLiteral("the jobs did not complete"));
        }
    }
    const double wallMs = clock.nsecsElapsed() / 1e6;
    const double runCpuMs = (CpuSeconds() - cpuBefore) * 1000;
    measuring = false;

    // Idle: one "Poll Device" a second, as the state machine polls.
    QTimer poll;
    poll.setSingleShot(true);
    poll.setInterval(1000);
    QObject::connect(&poll, &QTimer::timeout, &transport, [&] { transport.QueueJob(JobName::PollDevice, false); });
    QObject::connect(&transport, &Transport::AllJobsComplete, &poll, qOverload<>(&QTimer::start));
    const double idleCpuBefore = CpuSeconds();
    QElapsedTimer idleClock;
    idleClock.start();
    poll.start();
    QTimer::singleShot(IdleSeconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double idleShare = (CpuSeconds() - idleCpuBefore) / (idleClock.elapsed() / 1000.0) * 100;

    controller.Close();
    simulator.terminate();
    simulator.waitForFinished(3000);

    std::sort(turnarounds.begin(), turnarounds.end());
    const double perItem = wallMs / items;
    const double lineMs = replyBytes * ByteMicroseconds / 1000 / items;
    QTextStream out(stdout);
    out << QStringLiteral("items read: %1 in %2 rounds of %3\n").arg(items).arg(Rounds).arg(AdvancedJobs().join(", "));
    out << QStringLiteral("wall time per item:            %1 ms\n").arg(perItem, 0, 'f', 2);
    out << QStringLiteral("  device reply delay:          %1 ms\n").arg(ReplyDelayMs);
    out << QStringLiteral("  reply on the line (115200):  %1 ms\n").arg(lineMs, 0, 'f', 2);
    out << QStringLiteral("  beyond the device:           %1 ms\n").arg(perItem - ReplyDelayMs - lineMs, 0, 'f', 2);
    out << QStringLiteral("reply line to next sentence:   median %1 ms, max %2 ms\n")
               .arg(turnarounds.at(turnarounds.size() / 2) / 1e6, 0, 'f', 3)
               .arg(turnarounds.last() / 1e6, 0, 'f', 3);
    out << QStringLiteral("processor time per item:       %1 ms\n").arg(runCpuMs / items, 0, 'f', 3);
    out << QStringLiteral("connected and idle, polling:   %1 % of a core over %2 s\n")
               .arg(idleShare, 0, 'f', 3)
               .arg(IdleSeconds);
    return 0;
}

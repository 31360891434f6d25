// velmora-cli update on one simulated Identifier, then on four at once with
// one command, in turns.
//
// Each device is an identifier-sim process of its own with the device's real
// timing; velmora-cli runs with the program's own waits. Every device gets
// the same 256 KiB image, named with --image. The bench prints the wall time
// of each run and, at the end, the ratio of the medians: four devices at
// once should take no longer than one.

#include "BenchDevices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

const int Rounds = 3;
const int ImageBytes = 256 * 1024;

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

QString WriteImage(const QString& folder)
{
    const QString path = folder + QStringLiteral("/050200_03_00_00.img");
    QFile file(path);
    const QByteArray head("IDENTIFIER FIRMWARE 050200.03.00.00\n");
    if (!file.open(QIODevice::WriteOnly)
        || file.write(head + QByteArray(ImageBytes - head.size(), '\x5a')) < 0) {
        return {};
    }
    return path;
}

// The wall time of one update command on devices at once; 0 when it failed.
double Bench(int devices)
{
    QTemporaryDir folder;
    const QString image = WriteImage(folder.path());
    BenchDevices sims(folder.path(), QStringLiteral("\"replyDelayMs\": 30, \"pacedInput\": true"));
    if (image.isEmpty() || !sims.Start(devices)) {
        Out() << "the image or the simulators could not be made\n";
        return 0;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray out;
    const int code = BenchDevices::RunCli(
        QStringList { QStringLiteral("update"), QStringLiteral("--json"), QStringLiteral("--image"), image }
            + sims.PortArguments(),
        folder.path(), &out);
    const double wall = clock.elapsed() / 1000.0;
    const int updated = out.count("\"result\":\"updated\"");
    Out() << QStringLiteral("%1 device(s): exit %2, %3 updated, wall %4 s\n")
                 .arg(devices)
                 .arg(code)
                 .arg(updated)
                 .arg(wall, 0, 'f', 2);
    Out().flush();
    return code == 0 && updated == devices ? wall : 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    std::vector<double> one;
    std::vector<double> four;
    for (int round = 0; round < Rounds; ++round) {
        one.push_back(Bench(1));
        four.push_back(Bench(4));
    }
    if (std::count(one.cbegin(), one.cend(), 0.0) + std::count(four.cbegin(), four.cend(), 0.0) > 0) {
        Out() << "a run failed\n";
        return 1;
    }
    Out() << QStringLiteral("median wall time: 1 device %1 s, 4 devices %2 s, 4 / 1: %3\n")
                 .arg(Median(one), 0, 'f', 2)
                 .arg(Median(four), 0, 'f', 2)
                 .arg(Median(four) / Median(one), 0, 'f', 3);
    return 0;
}

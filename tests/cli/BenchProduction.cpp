// Production programming on 1, 4 and 8 simulated Identifiers at once.
//
// Each device is an identifier-sim process of its own at the real reply delay
// (30 ms). For every run it prints the wall time of the whole run, each
// device's own time as velmora-cli reports it, and the protocol's floor for
// that device, worked out from the device's transcript: every sentence of a
// writing run is given its fixed 200 ms, every other exchange the device's
// reply delay plus the reply's time on the line at 115200 baud.

#include "BenchDevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const int ReplyDelayMs = 30;
const int WriteIntervalMs = 200;
const double BitsPerByte = 10.0;
const double Baud = 115200.0;

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString DeviceSettings()
{
    return QStringLiteral("\"replyDelayMs\": %1").arg(ReplyDelayMs);
}

bool IsReply(const QString& text)
{
    return text.startsWith(QLatin1String("$PKRX,255")) || text.startsWith(QLatin1String("$AISMM"))
        || text.startsWith(QLatin1String("$AISSD")) || text.startsWith(QLatin1String("$AIVSD"));
}

// The time the protocol itself takes for what the transcript shows: writing
// runs start with the MMSI sentence and end with the next query.
double FloorSeconds(const QString& transcript)
{
    QFile file(transcript);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // time, seconds, direction, rate, then the line as sent
    const QRegularExpression entry(QStringLiteral("^\\S+\\s+\\S+\\s+(RX|TX)\\s+\\d+ (.*)$"));
    double floorMs = 0;
    bool writing = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = entry.match(line);
        const bool received = match.captured(1) == QLatin1String("RX");
        const QString text = match.captured(2);
        if (received && text.startsWith(QLatin1String("$UPSMM,C"))) {
            writing = true;
        } else if (received && text.startsWith(QLatin1String("$UPAIQ"))) {
            writing = false;
        }
        if (received && writing && text.startsWith(QLatin1Char('$'))) {
            floorMs += WriteIntervalMs;
        } else if (!writing && match.captured(1) == QLatin1String("TX") && IsReply(text)) {
            // The transcript writes the line end as the four characters \r\n.
            floorMs += ReplyDelayMs + (text.size() - 2) * BitsPerByte / Baud * 1000.0;
        }
    }
    return floorMs / 1000.0;
}

double Bench(int devices, const QString& profile)
{
    QTemporaryDir folder;
    BenchDevices sims(folder.path(), DeviceSettings());
    QString list = QStringLiteral("mmsi\n");
    for (int index = 0; index < devices; ++index) {
        list += QStringLiteral("2350%1\n").arg(index, 5, 10, QLatin1Char('0'));
    }
    WriteText(folder.filePath(QStringLiteral("list.csv")), list);
    if (!sims.Start(devices)) {
        Out() << "simulators did not start\n";
        return 0;
    }
    const QStringList arguments
        = QStringList { QStringLiteral("program"), QStringLiteral("--json"), QStringLiteral("--profile"),
              profile, QStringLiteral("--mmsi-list"), folder.filePath(QStringLiteral("list.csv")) }
        + sims.PortArguments();
    QElapsedTimer clock;
    clock.start();
    QByteArray out;
    const int code = BenchDevices::RunCli(arguments, folder.path(), &out);
    const double wall = clock.elapsed() / 1000.0;
    sims.Stop();
    double deviceSum = 0;
    double floorSum = 0;
    for (int index = 0; index < devices; ++index) {
        floorSum += FloorSeconds(sims.Transcript(index));
    }
    for (const QByteArray& line : out.split('\n')) {
        deviceSum += QJsonDocument::fromJson(line).object().value(QStringLiteral("seconds")).toDouble();
    }
    Out() << QStringLiteral("%1 device(s): exit %2, wall %3 s, per device %4 s, floor %5 s, per device / floor %6\n")
                 .arg(devices)
                 .arg(code)
                 .arg(wall, 0, 'f', 2)
                 .arg(deviceSum / devices, 0, 'f', 2)
                 .arg(floorSum / devices, 0, 'f', 2)
                 .arg(deviceSum / floorSum, 0, 'f', 3);
    Out().flush();
    return wall;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("profile.json"));
    BenchDevices pattern(folder.path(), DeviceSettings());
    QByteArray out;
    const bool read = pattern.Start(1, 99)
        && BenchDevices::RunCli({ QStringLiteral("read"), QStringLiteral("--port"), pattern.Link(0),
                                    QStringLiteral("-o"), profile },
               folder.path(), &out)
            == 0;
    pattern.Stop();
    if (!read) {
        Out() << "could not read the pattern device's profile\n";
        return 1;
    }
    const double one = Bench(1, profile);
    Bench(4, profile);
    const double eight = Bench(8, profile);
    Out() << QStringLiteral("wall time 8 / 1: %1\n").arg(eight / one, 0, 'f', 3);
    return 0;
}

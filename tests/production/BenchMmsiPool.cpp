// The MMSI pool's claims against a PostgreSQL server on this machine (a Unix
// socket): one claim's time, one station after another, and claims per
// second with eight stations (pool_claimer processes) claiming at once.

#include "PostgresServer.h"
#include "production/MmsiList.h"
#include "production/MmsiPool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const int lonelyClaims = 500;
const int stations = 8;
const int stationClaims = 200;

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

bool Fill(const QString& url, int count, QString* error)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("235%1\n").arg(i, 6, 10, QLatin1Char('0'));
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.csv"));
    QFile file(path);
    MmsiList list;
    MmsiPool pool(url, QStringLiteral("admin"));
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0 && file.flush()
        && MmsiList::Load(path, &list, error) && pool.Init(error) && pool.Import(list, error);
}

double Milliseconds(std::vector<qint64>& nanoseconds, double share)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const size_t at = std::min(nanoseconds.size() - 1, static_cast<size_t>(share * nanoseconds.size()));
    return nanoseconds[at] / 1e6;
}

bool OneStation(const QString& url)
{
    MmsiPool pool(url, QStringLiteral("alone"));
    QString error;
    pool.FreeCount(&error);
    std::vector<qint64> times;
    for (int i = 0; i < lonelyClaims; ++i) {
        QElapsedTimer clock;
        clock.start();
        const MmsiClaim claim = pool.Claim(QStringLiteral("A%1").arg(i), QString());
        times.push_back(clock.nsecsElapsed());
        if (claim.kind != MmsiClaim::Kind::Take) {
            Out() << "claim failed: " << claim.error << '\n';
            return false;
        }
    }
    Out() << QStringLiteral("one station, %1 claims: median %2 ms, 95th percentile %3 ms, slowest %4 ms\n")
                 .arg(lonelyClaims)
                 .arg(Milliseconds(times, 0.5), 0, 'f', 2)
                 .arg(Milliseconds(times, 0.95), 0, 'f', 2)
                 .arg(Milliseconds(times, 1.0), 0, 'f', 2);
    return true;
}

bool EightStations(const QString& url)
{
    std::vector<std::unique_ptr<QProcess>> claimers;
    for (int i = 0; i < stations; ++i) {
        claimers.push_back(std::make_unique<QProcess>());
        claimers.back()->start(QStringLiteral(POOL_CLAIMER),
            { url, QStringLiteral("line-%1").arg(i), QStringLiteral("S%1-").arg(i),
                QString::number(stationClaims) });
        if (!claimers.back()->waitForReadyRead(30000) || claimers.back()->readLine().trimmed() != "ready") {
            Out() << "a station did not connect\n";
            return false;
        }
    }
    QElapsedTimer clock;
    clock.start();
    for (auto& claimer : claimers) {
        claimer->write("go\n");
    }
    std::vector<qint64> times;
    for (auto& claimer : claimers) {
        claimer->waitForFinished(120000);
        for (const QByteArray& line : claimer->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 2 && fields.first() != "done") {
                times.push_back(fields.last().toLongLong() * 1000);
            }
        }
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    Out() << QStringLiteral("%1 stations at once, %2 claims in %3 s: %4 claims/s; each claim median %5 ms, "
                            "95th percentile %6 ms\n")
                 .arg(stations)
                 .arg(times.size())
                 .arg(seconds, 0, 'f', 2)
                 .arg(times.size() / seconds, 0, 'f', 0)
                 .arg(Milliseconds(times, 0.5), 0, 'f', 2)
                 .arg(Milliseconds(times, 0.95), 0, 'f', 2);
    return times.size() == static_cast<size_t>(stations * stationClaims);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    PostgresServer server;
    QString error;
    QString url;
    if (server.Start(&error)) {
        url = server.CreateDatabase(QStringLiteral("bench"), &error);
    }
    if (url.isEmpty() || !Fill(url, lonelyClaims + stations * stationClaims, &error)) {
        Out() << error << '\n';
        return 1;
    }
    return OneStation(url) && EightStations(url) ? 0 : 1;
}

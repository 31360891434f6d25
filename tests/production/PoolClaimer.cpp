// A programming station for the pool's tests and benchmark, without devices:
//   pool_claimer URL STATION PREFIX COUNT [hold]
// connects, writes "ready", waits for a line on standard input, then claims
// an MMSI for each of the serial numbers PREFIX0 to PREFIX<COUNT-1>, one line
// each: the MMSI and the claim's time in microseconds. Then "done" and the
// whole time in microseconds; with hold it then waits to be killed (for two
// minutes at most).

#include "production/MmsiPool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 5) {
        std::fputs("usage: pool_claimer URL STATION PREFIX COUNT [hold]\n", stderr);
        return 1;
    }
    QTextStream out(stdout);
    MmsiPool pool(arguments.at(1), arguments.at(2));
    QString error;
    if (pool.FreeCount(&error) < 0) {
        out << "failed: " << error << Qt::endl;
        return 1;
    }
    out << "ready" << Qt::endl;
    QTextStream(stdin).readLine();
    QElapsedTimer all;
    all.start();
    for (int i = 0; i < arguments.at(4).toInt(); ++i) {
        QElapsedTimer one;
        one.start();
        const MmsiClaim claim = pool.Claim(arguments.at(3) + QString::number(i), QString());
        if (claim.kind != MmsiClaim::Kind::Take) {
            out << "failed: " << static_cast<int>(claim.kind) << ' ' << claim.error << Qt::endl;
            return 1;
        }
        out << claim.mmsi << ' ' << one.nsecsElapsed() / 1000 << Qt::endl;
    }
    out << "done " << all.nsecsElapsed() / 1000 << Qt::endl;
    if (arguments.size() > 5) {
        QThread::sleep(120);
    }
    return 0;
}

// Times sending a 256 KiB image to lrzsz's rx over a pseudo-terminal, once
// with cXmodem1KSend and once with lrzsz's own sender (sx -k), and prints the
// medians and their ratio. Not a test: run it by hand (see the README).

#include "RxReceiver.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int ImageSize = 256 * 1024;
constexpr int Runs = 5;

bool arrived(RxReceiver& rx)
{
    return rx.waitForExit(15000) && rx.received().size() == ImageSize;
}

// Milliseconds for one transfer, or -1 when it failed.
qint64 timeOurs(const QString& image)
{
    RxReceiver rx;
    if (!rx.start() || !rx.waitForCrcRequest(15000)) {
        return -1;
    }
    cXmodem1KSend sender(image, cSerialLink::factory(rx.portPath()));
    QElapsedTimer clock;
    clock.start();
    sender.startTransfer(3000);
    sender.wait();
    const qint64 elapsed = clock.elapsed();
    return sender.result() == cXmodem1KSend::Complete && arrived(rx) ? elapsed : -1;
}

qint64 timeSx(const QString& image)
{
    // sx waits for rx's request for CRC mode itself; it stays queued in the
    // terminal until sx opens it.
    RxReceiver rx;
    if (!rx.start()) {
        return -1;
    }
    QProcess sx;
    sx.setStandardInputFile(rx.portPath());
    sx.setStandardOutputFile(rx.portPath(), QIODevice::Append);
    sx.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    sx.start(QStringLiteral("sx"), { QStringLiteral("-k"), image });
    if (!sx.waitForStarted(5000)) {
        return -1;
    }
    clock.start();
    sx.waitForFinished(120000);
    const qint64 elapsed = clock.elapsed();
    // sx may miss rx's last answer when rx ends and the terminal goes with
    // it, and then reports failure; what counts is what rx received.
    return arrived(rx) ? elapsed : -1;
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("image.img"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    for (int i = 0; i < ImageSize; ++i) {
        file.putChar(static_cast<char>((i * 131 + i / 509) & 0xFF));
    }
    file.close();

    QList<qint64> ours;
    QList<qint64> theirs;
    for (int run = 0; run < Runs; ++run) {
        ours << timeOurs(image);
        theirs << timeSx(image);
        out << "run " << run + 1 << ": cXmodem1KSend " << ours.last() << " ms, sx -k " << theirs.last()
            << " ms\n";
        out.flush();
    }
    if (ours.contains(-1) || theirs.contains(-1)) {
        out << "a transfer failed\n";
        return 1;
    }
    const qint64 a = median(ours);
    const qint64 b = median(theirs);
    out << "median: cXmodem1KSend " << a << " ms, sx -k " << b << " ms, ratio "
        << QString::number(double(a) / b, 'f', 2) << "\n";
    return 0;
}

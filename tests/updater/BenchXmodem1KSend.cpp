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
    if (rx.waitForExit(15000) && rx.received().size() == ImageSize) {
        return true;
    }
    QTextStream(stderr) << "rx received " << rx.received().size() << " bytes\n";
    return false;
}

// Milliseconds from the first block until rx has the file, or -1 when the
// transfer failed.
qint64 timeOurs(const QString& image)
{
    RxReceiver rx;
    if (!rx.start() || !rx.waitForCrcRequest(15000)) {
        QTextStream(stderr) << "rx did not ask for a transfer\n";
        return -1;
    }
    cXmodem1KSend sender(image, cSerialLink::factory(rx.portPath()));
    QElapsedTimer clock;
    clock.start();
    sender.startTransfer(3000);
    sender.wait();
    if (sender.result() != cXmodem1KSend::Complete) {
        QTextStream(stderr) << "cXmodem1KSend ended with result " << sender.result() << " at "
                            << sender.progress() << " %\n";
        return -1;
    }
    const bool complete = arrived(rx);
    const qint64 elapsed = clock.elapsed();
    return complete ? elapsed : -1;
}

qint64 timeSx(const QString& image)
{
    RxReceiver rx;
    if (!rx.start()) {
        return -1;
    }
    QProcess sx;
    sx.setStandardInputFile(rx.portPath());
    sx.setStandardOutputFile(rx.portPath(), QIODevice::Append);
    sx.setReadChannel(QProcess::StandardError);
    sx.start(QStringLiteral("sx"), { QStringLiteral("-k"), image });
    // sx clears the terminal's input before it waits for rx's request for
    // CRC mode, so it may have to wait for rx to ask again. It reports its
    // first block as it sends it: the clock starts there, as it starts at
    // the first block for cXmodem1KSend.
    QByteArray progress;
    while (!progress.contains("sent:") && sx.waitForReadyRead(30000)) {
        progress += sx.readAllStandardError();
    }
    QElapsedTimer clock;
    clock.start();
    // sx may miss rx's last answer when rx ends and the terminal goes with
    // it, and then waits for it in vain: the clock stops when rx has the
    // file, for both senders.
    const bool complete = progress.contains("sent:") && arrived(rx);
    const qint64 elapsed = clock.elapsed();
    sx.kill();
    sx.waitForFinished(5000);
    return complete ? elapsed : -1;
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
    // A failed run says nothing about speed; how many failed is reported.
    ours.removeAll(-1);
    theirs.removeAll(-1);
    out << "failed transfers: cXmodem1KSend " << Runs - ours.size() << ", sx -k " << Runs - theirs.size()
        << "\n";
    if (ours.isEmpty() || theirs.isEmpty()) {
        return 1;
    }
    const qint64 a = median(ours);
    const qint64 b = median(theirs);
    out << "median: cXmodem1KSend " << a << " ms, sx -k " << b << " ms, ratio "
        << QString::number(double(a) / b, 'f', 2) << "\n";
    return 0;
}

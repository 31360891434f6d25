// Feeds the serial console a long burst of received lines, as the transport
// delivers them, and reports how many lines a second it shows and how much
// memory the display holds; then again with time stamps and the hex view on,
// followed by finds on the full view. The display must stay within its bound
// throughout. Run by hand (see the README's performance section):
//     bench_serialtab [lines]

#include "app/VelmoraApplication.h"
#include "ui/BoundedTextView.h"
#include "ui/SerialTab.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <malloc.h>

namespace {

// One GNSS cycle of the device, as the console receives it.
const QStringList cycle {
    "$GNRMC,101502.00,A,5020.1234,N,00405.6789,W,5.2,231.4,050126,,,A*6C\n",
    "$GNGSA,A,3,02,05,12,15,18,24,25,29,,,,,1.6,0.9,1.3*2B\n",
    "$GNGSA,A,3,65,71,72,,,,,,,,,,1.6,0.9,1.3*2E\n",
    "$GPGSV,3,1,10,02,45,123,41,05,62,301,44,12,18,042,35,15,33,265,39*7A\n",
    "$GPGSV,3,2,10,18,09,180,,24,71,090,46,25,27,310,40,29,54,200,43*74\n",
    "$GPGSV,3,3,10,46,30,190,33,31,05,020,*4F\n",
    "$GLGSV,1,1,03,65,40,050,38,71,22,130,36,72,60,250,42*6B\n",
};
// The transport hands lines over one readyRead at a time; between two the
// event loop runs and the view repaints.
const int linesPerDelivery = 20;

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// What the heap holds in use: unlike the resident size, it drops again when
// memory is freed.
double HeapMegabytes()
{
    return mallinfo2().uordblks / (1024.0 * 1024.0);
}

struct Run {
    int lines = 0;
    qint64 milliseconds = 0;
    int maximumLength = 0;
    int finalLength = 0;
    long residentBefore = 0;
    long residentAfter = 0;
    double heapBefore = 0;
    double heapAfter = 0;
};

// Delivers the lines from the event loop, a batch per turn.
Run Feed(SerialTab* console, QTextEdit* view, int lines)
{
    Run run;
    run.residentBefore = ResidentKilobytes();
    run.heapBefore = HeapMegabytes();
    QElapsedTimer clock;
    QTimer delivery;
    delivery.setInterval(0);
    QObject::connect(&delivery, &QTimer::timeout, [&] {
        for (int i = 0; i < linesPerDelivery && run.lines < lines; ++i, ++run.lines)
            console->OnReceived(cycle.at(run.lines % cycle.size()));
        run.maximumLength = qMax(run.maximumLength, BoundedTextView::Length(view));
        if (run.lines >= lines) {
            delivery.stop();
            QCoreApplication::exit(0);
        }
    });
    clock.start();
    delivery.start();
    QCoreApplication::exec();
    run.milliseconds = clock.elapsed();
    run.finalLength = BoundedTextView::Length(view);
    run.residentAfter = ResidentKilobytes();
    run.heapAfter = HeapMegabytes();
    return run;
}

void Report(const char* title, const Run& run)
{
    const double seconds = qMax<qint64>(run.milliseconds, 1) / 1000.0;
    std::printf("%-16s %7d lines in %6.2f s: %8.0f lines/s; display %7d characters (largest %7d); "
                "heap in use %+6.1f MB, resident %+6.1f MB (%.1f MB in all)\n",
        title, run.lines, seconds, run.lines / seconds, run.finalLength, run.maximumLength,
        run.heapAfter - run.heapBefore, (run.residentAfter - run.residentBefore) / 1024.0,
        run.residentAfter / 1024.0);
}

// Running, paused, resumed; false when the display outgrew its bound.
bool Bench(SerialTab* console, QTextEdit* view, int lines, const char* mode)
{
    std::printf("%s\n", mode);
    const Run running = Feed(console, view, lines);
    Report("display running", running);

    auto* pause = console->findChild<QToolButton*>(QStringLiteral("toolButtonPause"));
    pause->click();
    const Run paused = Feed(console, view, lines);
    Report("display paused", paused);
    // Resuming shows the held lines with the next batch.
    pause->click();
    QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const int resumed = BoundedTextView::Length(view);
    std::printf("after resuming: display %d characters\n", resumed);

    const bool bounded = running.maximumLength <= BoundedTextView::MaxLength
        && paused.maximumLength <= BoundedTextView::MaxLength && resumed <= BoundedTextView::MaxLength;
    if (!bounded)
        std::printf("FAILED: the display grew beyond %d characters\n", BoundedTextView::MaxLength);
    return bounded;
}

// A find as the user makes it: the text typed, then "Next"; the slowest of
// a few tries.
void TimeFind(SerialTab* console, const QString& text)
{
    auto* find = console->findChild<QLineEdit*>(QStringLiteral("lineFind"));
    auto* next = console->findChild<QToolButton*>(QStringLiteral("toolButtonFindNext"));
    find->setText(text);
    qint64 slowest = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        next->click();
        slowest = qMax(slowest, clock.elapsed());
    }
    const QString count = console->findChild<QLabel*>(QStringLiteral("labelFindCount"))->text();
    std::printf("find \"%s\": slowest of 5 %lld ms (%s)\n", qPrintable(text), slowest, qPrintable(count));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int lines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 300000;
    // The line count is the bench's own argument, not the program's.
    int programArgc = 1;
    VelmoraApplication application(programArgc, argv);

    SerialTab console(nullptr);
    console.resize(900, 600);
    console.show();
    console.OnOpened();
    auto* view = console.findChild<QTextEdit*>(QStringLiteral("textEditReceived"));

    bool bounded = Bench(&console, view, lines, "as received");
    console.findChild<QCheckBox*>(QStringLiteral("checkBoxTimeStamps"))->setChecked(true);
    console.findChild<QCheckBox*>(QStringLiteral("checkBoxHex"))->setChecked(true);
    bounded = Bench(&console, view, lines, "time stamps and hex view") && bounded;

    std::printf("finds on a display of %d characters\n", BoundedTextView::Length(view));
    TimeFind(&console, QStringLiteral("GNRMC"));
    TimeFind(&console, QStringLiteral("0a"));
    TimeFind(&console, QStringLiteral("not there"));
    return bounded ? 0 : 1;
}

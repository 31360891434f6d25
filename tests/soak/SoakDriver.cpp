// The configuration program, driven without a user for a long run against
// an Identifier on a port (scripts/soak.sh starts one and samples this
// process). It shows the serial console with the GNSS output streaming into
// it, the GNSS page, fetches the voyage log and then stays idle, over and
// over, so that a leak or a descriptor left open in any of them shows up as
// growth.
//
//   velmora_soak SECONDS [PHASE_FILE] --port PATH
//
// The current phase is written to PHASE_FILE at every change, for the
// sampler. The exit code is 0 when every cycle did what it should.

#include "app/VelmoraApplication.h"
#include "ui/BasicTab.h"
#include "ui/MainWindow.h"
#include "ui/SerialTab.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

const QString streamOn = QStringLiteral("$PKRX,0,0,0x00000000,2,gpsfilt 49,0");
const QString streamOff = QStringLiteral("$PKRX,0,0,0x00000000,2,gpsfilt 0,0");
constexpr int consoleMs = 25000;
constexpr int gnssMs = 20000;
constexpr int idleMs = 20000;
constexpr int voyagePatienceMs = 120000;
constexpr int connectPatienceMs = 60000;

} // namespace

class SoakRun : public QObject {
    Q_OBJECT

public:
    SoakRun(MainWindow* window, qint64 seconds, QString phaseFile)
        : window(window)
        , endMs(seconds * 1000)
        , phaseFile(std::move(phaseFile))
    {
        tick.setInterval(500);
        connect(&tick, &QTimer::timeout, this, &SoakRun::OnTick);
    }

    void Start()
    {
        clock.start();
        Enter(
            QStringLiteral("connect"), [this] { return Connected(); }, connectPatienceMs,
            [this] { EnterDiagnosticMode(); });
        tick.start();
    }

    int Failures() const { return failures; }

private slots:
    void OnTick()
    {
        const qint64 inPhase = clock.elapsed() - phaseStart;
        if (done()) {
            next();
        } else if (inPhase > patience) {
            Report(QStringLiteral("gave up waiting in phase %1").arg(phase));
            ++failures;
            next();
        }
    }

private:
    QTabWidget* Tabs() const { return window->findChild<QTabWidget*>(QStringLiteral("tabs")); }
    QWidget* Page(const char* name) const { return window->findChild<QWidget*>(QLatin1String(name)); }
    QPushButton* GetLogButton() const
    {
        return window->findChild<QPushButton*>(QStringLiteral("pushButtonGetLog"));
    }

    // Waits until done() holds (at most `patienceMs`), then runs `then`.
    void Enter(
        const QString& name, std::function<bool()> until, qint64 patienceMs, std::function<void()> then)
    {
        phase = name;
        phaseStart = clock.elapsed();
        done = std::move(until);
        patience = patienceMs;
        next = std::move(then);
        QSaveFile file(phaseFile);
        if (!phaseFile.isEmpty() && file.open(QIODevice::WriteOnly)) {
            file.write(name.toUtf8() + '\n');
            file.commit();
        }
    }

    void Stay(const QString& name, int ms, std::function<void()> then)
    {
        Enter(
            name, [this, ms] { return clock.elapsed() - phaseStart >= ms; }, ms + 1000, std::move(then));
    }

    bool Connected() const
    {
        const QString status = window->statusBar()->currentMessage();
        return !status.isEmpty() && status != QLatin1String("Ready") && window->GetBasicTab()->isEnabled();
    }

    void EnterDiagnosticMode()
    {
        for (QToolButton* button : window->findChildren<QToolButton*>()) {
            if (button->text() == QLatin1String("Diagnostic mode"))
                button->click();
        }
        StartCycle();
    }

    void StartCycle()
    {
        if (clock.elapsed() >= endMs) {
            Finish();
            return;
        }
        ++cycle;
        Show("tabSerialData");
        SendFromConsole(
            streamOn, [this] { Stay(QStringLiteral("console"), consoleMs, [this] { OnConsoleDone(); }); });
    }

    void OnConsoleDone()
    {
        auto* view = window->GetSerialTab()->findChild<QTextEdit*>(QStringLiteral("textEditReceived"));
        if (!view->toPlainText().contains(QLatin1String("$GNRMC"))) {
            Report(QStringLiteral("the console showed no GNSS sentence"));
            ++failures;
        }
        SendFromConsole(streamOff, [this] {
            Show("tabGnssStatus");
            Stay(QStringLiteral("gnss"), gnssMs, [this] { StartVoyage(); });
        });
    }

    void StartVoyage()
    {
        Show("tabVoyageData");
        QPushButton* getLog = GetLogButton();
        if (!getLog) {
            Report(QStringLiteral("this build has no voyage page: no log fetched"));
            StartIdle();
            return;
        }
        getLog->click();
        Enter(
            QStringLiteral("voyage"), [getLog] { return getLog->isEnabled(); }, voyagePatienceMs,
            [this] {
                const int rows = window->findChild<QTableWidget*>(QStringLiteral("tableWidget"))->rowCount();
                Report(QStringLiteral("voyage log: %1 records").arg(rows));
                if (rows == 0)
                    ++failures;
                StartIdle();
            });
    }

    void StartIdle()
    {
        Stay(QStringLiteral("idle"), idleMs, [this] { StartCycle(); });
    }

    void Show(const char* page) { Tabs()->setCurrentWidget(Page(page)); }

    // Types the line and sends it as soon as the console may send.
    void SendFromConsole(const QString& line, std::function<void()> then)
    {
        SerialTab* console = window->GetSerialTab();
        auto* edit = console->findChild<QLineEdit*>(QStringLiteral("lineSend"));
        auto* send = console->findChild<QToolButton*>(QStringLiteral("toolButtonSend"));
        Enter(
            QStringLiteral("console"), [edit] { return edit->isEnabled(); }, connectPatienceMs,
            [this, edit, send, line, then] {
                edit->clear();
                QTest::keyClicks(edit, line);
                if (!send->isEnabled()) {
                    Report(QStringLiteral("the console could not send %1").arg(line));
                    ++failures;
                }
                send->click();
                then();
            });
    }

    void Report(const QString& text) const
    {
        QTextStream(stdout) << QString::number(clock.elapsed() / 1000.0, 'f', 1) << " s, cycle " << cycle
                            << ": " << text << '\n';
    }

    void Finish()
    {
        tick.stop();
        Report(QStringLiteral("%1 cycles, %2 failures").arg(cycle).arg(failures));
        QCoreApplication::exit(failures == 0 && cycle > 0 ? 0 : 1);
    }

    MainWindow* window;
    qint64 endMs;
    QString phaseFile;
    QElapsedTimer clock;
    QTimer tick;
    QString phase;
    qint64 phaseStart = 0;
    qint64 patience = 0;
    std::function<bool()> done;
    std::function<void()> next;
    int cycle = 0;
    int failures = 0;
};

int main(int argc, char** argv)
{
    if (argc < 4) {
        QTextStream(stderr) << "usage: velmora_soak SECONDS [PHASE_FILE] --port PATH\n";
        return 2;
    }
    const qint64 seconds = QByteArray(argv[1]).toLongLong();
    const bool hasPhaseFile = QByteArray(argv[2]) != "--port";
    const QString phaseFile = hasPhaseFile ? QString::fromLocal8Bit(argv[2]) : QString();
    // The program sees its own command line only.
    const int skipped = hasPhaseFile ? 2 : 1;
    for (int i = 1; i + skipped < argc; ++i)
        argv[i] = argv[i + skipped];
    int programArgc = argc - skipped;

    VelmoraApplication application(programArgc, argv);
    MainWindow window;
    application.SetMainWindow(&window);
    window.show();
    application.ShowConnectPrompt();
    SoakRun run(&window, seconds, phaseFile);
    run.Start();
    return application.exec();
}

#include "SoakDriver.moc"

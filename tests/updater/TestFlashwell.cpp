#include "FlashwellSession.h"
#include "cBusyFilter.h"

#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

// Measures the longest time the GUI thread's event loop went without
// serving a timer, to show that no wait runs on it.
class EventLoopWatch : public QObject {
public:
    EventLoopWatch()
    {
        clock.start();
        connect(&timer, &QTimer::timeout, this, [this] { longestGap = qMax(longestGap, clock.restart()); });
        timer.start(10);
    }
    qint64 longestGap = 0;

private:
    QTimer timer;
    QElapsedTimer clock;
};

} // namespace

class TestFlashwell : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeImage(const QString& name, int blocks) { return ::writeImage(dir.filePath(name), blocks); }

    static QPushButton* button(const Flashwell& wizard, const char* name)
    {
        return wizard.findChild<QPushButton*>(QLatin1String(name));
    }

    static QString info(const Flashwell& wizard)
    {
        return wizard.findChild<QTextEdit*>(QStringLiteral("InfoText"))->toPlainText();
    }

    // Waits until the wizard shows a page with buttons.
    static bool waitForButtons(const Flashwell& wizard, int ms)
    {
        return QTest::qWaitFor([&wizard] { return button(wizard, "NextStepButton")->isVisible(); }, ms);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // The update log goes to the system's temporary folder.
        qputenv("TMPDIR", dir.path().toLocal8Bit());
    }

    void updatesADeviceThatAnswersAtOnce_data()
    {
        QTest::addColumn<int>("deviceRate");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("waiting");
        QTest::newRow("115200 baud") << 115200 << 19 << false;
        QTest::newRow("38400 baud: autoconfig at the device's rate") << 38400 << 15 << false;
        // Left there by a transfer cut short: the reset goes unheard.
        QTest::newRow("waiting in its boot loader") << 115200 << 19 << true;
    }

    void updatesADeviceThatAnswersAtOnce()
    {
        QFETCH(int, deviceRate);
        QFETCH(int, code);
        QFETCH(bool, waiting);

        SimConfig config = quickConfig();
        config.baud = deviceRate;
        config.bootLoaderOnly = waiting;
        config.bootWaitingIntervalMs = 500;
        const QString autoconfigPath = dir.filePath(QStringLiteral("autoconfig"));
        QFile file(autoconfigPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("setsosbuz 2,100,200\n\nsetposti 30");
        file.close();

        cUpdateTiming timing = quickTiming();
        timing.settle = 1000;
        EventLoopWatch watch;
        Session session(
            config, writeImage(QStringLiteral("image.img"), 40), timing, static_cast<BaudType>(code));
        QVERIFY(session.started);
        QCOMPARE(session.device.mode() == SimulatedIdentifier::Mode::BootLoader, waiting);
        Flashwell& wizard = *session.wizard;
        SimulatedIdentifier& device = session.device;
        wizard.setAutoconfigPath(autoconfigPath);

        QVERIFY(QTest::qWaitFor([&wizard] { return wizard.state() == Flashwell::Updating; }, 10000));
        QVERIFY(!(wizard.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!wizard.close());
        QVERIFY(waitForButtons(wizard, 60000));
        QVERIFY(info(wizard).startsWith(QStringLiteral("Update complete")));
        QCOMPARE(button(wizard, "NextStepButton")->text(), QStringLiteral("Close"));
        QVERIFY(!button(wizard, "RetryButton")->isVisible());
        QVERIFY(wizard.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(device.state().firmwareVersion, NewVersion);
        QCOMPARE(device.state().settings.value(QStringLiteral("sosBuzzerMode")), QStringLiteral("2"));
        QCOMPARE(device.state().settings.value(QStringLiteral("positionInterval")), QStringLiteral("30"));
        QVERIFY(
            device.transcript().join(QLatin1Char('\n')).contains(QStringLiteral("setsosbuz 2^2C100^2C200")));

        button(wizard, "NextStepButton")->click();
        QCOMPARE(wizard.result(), 0);
        QCOMPARE(messages(wizard.logText()),
            QStringList({ "Process Starting", "Start", "Connecting", "Connecting - connected", "Updating",
                "Updating - complete", "Complete" }));
        QVERIFY2(watch.longestGap < 900, qPrintable(QString::number(watch.longestGap)));
    }

    void stampsEveryLogLineAndKeepsTheFile()
    {
        Session session(quickConfig(), dir.filePath(QStringLiteral("missing.img")), quickTiming());
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;
        QVERIFY(waitForButtons(wizard, 30000));

        const QRegularExpression stamped(
            QStringLiteral("^\\d\\d [A-Z][a-z]{2} \\d{4} - \\d\\d:\\d\\d:\\d\\d\\.\\d{3} : \\S.*$"));
        const QStringList lines = wizard.logText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 6);
        for (const QString& line : lines) {
            QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
        }
        QFile file(dir.filePath(QStringLiteral("flashwelllog.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith(wizard.logText().toUtf8()));

        QPushButton* copy = button(wizard, "CopyLogButton");
        QVERIFY(copy->isVisible());
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), wizard.logText());
    }

    void startsAgainAfterAFileError()
    {
        Session session(quickConfig(), dir.filePath(QStringLiteral("missing.img")), quickTiming());
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;
        QVERIFY(waitForButtons(wizard, 30000));
        QCOMPARE(info(wizard).section(QLatin1Char('\n'), 0, 2).simplified(),
            QStringLiteral("Update incomplete Unable to access update file."));
        QVERIFY(messages(wizard.logText()).contains(QStringLiteral("Updating - xmodem file error")));

        button(wizard, "RetryButton")->click();
        QCOMPARE(messages(wizard.logText()).mid(messages(wizard.logText()).indexOf("User retry/repeat")),
            QStringList({ "User retry/repeat", "Start" }));
        QVERIFY(QTest::qWaitFor([&wizard] { return wizard.state() == Flashwell::Connecting; }, 10000));
    }

    void triesSixTimesThenOffersAFreshSix()
    {
        // The device talks at another rate, so it never hears the reset.
        SimConfig config = quickConfig();
        config.baud = 38400;
        cUpdateTiming timing = quickTiming();
        timing.listen = 400;
        Session session(config, writeImage(QStringLiteral("image.img"), 4), timing);
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;

        QVERIFY(QTest::qWaitFor([&wizard] { return wizard.state() == Flashwell::Connecting; }, 10000));
        QTest::keyClick(&wizard, Qt::Key_Escape);
        QVERIFY(wizard.isVisible());

        QVERIFY(waitForButtons(wizard, 30000));
        QVERIFY(info(wizard).startsWith(QStringLiteral("Failed to connect for update")));
        QCOMPARE(button(wizard, "NextStepButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(button(wizard, "RetryButton")->text(), QStringLiteral("Retry"));
        QStringList log = messages(wizard.logText());
        QCOMPARE(log.count(QStringLiteral("Connecting")), 6);
        QCOMPARE(log.count(QStringLiteral("Connecting - retry")), 5);
        QCOMPARE(log.count(QStringLiteral("Connecting - failed")), 1);

        button(wizard, "RetryButton")->click();
        QVERIFY(!button(wizard, "NextStepButton")->isVisible());
        QVERIFY(waitForButtons(wizard, 30000));
        log = messages(wizard.logText());
        QCOMPARE(log.count(QStringLiteral("Connecting")), 12);
        QCOMPARE(log.count(QStringLiteral("Connecting - retry")), 10);
        QCOMPARE(log.count(QStringLiteral("Connecting - failed")), 2);

        button(wizard, "NextStepButton")->click();
        QCOMPARE(wizard.result(), 0);
        QCOMPARE(messages(wizard.logText()).last(), QStringLiteral("Complete"));
    }

    void endsWhenClosedWhileConnecting()
    {
        SimConfig config = quickConfig();
        config.baud = 38400; // never hears the reset
        Session session(config, writeImage(QStringLiteral("image.img"), 4), quickTiming());
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;
        QTest::qWait(300);

        wizard.close();
        QVERIFY(QTest::qWaitFor([&wizard] { return !wizard.isVisible(); }, 2000));
        QTest::qWait(200);
        QCOMPARE(messages(wizard.logText()).mid(2), QStringList({ "Connecting", "Connecting - closed" }));
        QVERIFY(QSerialPort(session.device.portPath()).open(QIODevice::ReadWrite));
    }

    void raisesTheAckTimeoutForTransfersThatNeverStart()
    {
        SimConfig config = quickConfig();
        config.faults.ignoreFirstBlock = -1;
        cUpdateTiming timing = quickTiming();
        timing.ackPercent = 10;
        Session session(config, writeImage(QStringLiteral("image.img"), 4), timing);
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;
        SimulatedIdentifier& device = session.device;
        QList<int> timeouts { wizard.ackTimeout() };
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            if (timeouts.last() != wizard.ackTimeout()) {
                timeouts << wizard.ackTimeout();
            }
        });
        sampler.start(5);

        QVERIFY(waitForButtons(wizard, 60000));
        QCOMPARE(timeouts, QList<int>({ 3000, 3500, 4000, 4500, 5000, 1000 }));
        QVERIFY(info(wizard).startsWith(QStringLiteral("Update not initiated")));
        QVERIFY(button(wizard, "CopyLogButton")->isVisible());
        const QStringList log = messages(wizard.logText());
        QCOMPARE(log.count(QStringLiteral("Connecting - connected")), 6);
        QCOMPARE(log.count(QStringLiteral("Updating - retry")), 5);
        QCOMPARE(log.last(), QStringLiteral("Updating - failed; update not started"));
        QCOMPARE(device.state().firmwareVersion, quickConfig().version);
    }

    void reportsATimeOutAfterSomeBlocks()
    {
        cUpdateTiming timing = quickTiming();
        timing.ackPercent = 10;
        Session session(quickConfig(), writeImage(QStringLiteral("image.img"), 40), timing);
        QVERIFY(session.started);
        Flashwell& wizard = *session.wizard;
        SimulatedIdentifier& device = session.device;
        // The cable is pulled once a few blocks are in.
        connect(&device, &SimulatedIdentifier::transcriptEntry, this, [&device](const QString& entry) {
            if (entry.contains(QStringLiteral("block 3 (number"))) {
                QTimer::singleShot(0, &device, [&device] { device.unplug(); });
            }
        });

        QVERIFY(waitForButtons(wizard, 60000));
        QVERIFY(info(wizard).startsWith(QStringLiteral("Update failed")));
        QVERIFY(info(wizard).contains(
            QStringLiteral("The Identifier is waiting in its boot loader; connect it again to recover it.")));
        QVERIFY(wizard.findChild<QProgressBar*>(QStringLiteral("ProgressBar"))->isHidden());
        QCOMPARE(messages(wizard.logText()).last(), QStringLiteral("Updating - timeout"));
        QVERIFY(wizard.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(button(wizard, "NextStepButton")->text(), QStringLiteral("Close"));

        button(wizard, "NextStepButton")->click();
        QCOMPARE(wizard.result(), 10);
        QCOMPARE(messages(wizard.logText()).last(), QStringLiteral("Firmware update failed"));
    }

    void busyFilterSwallowsClicksAndKeysOnly_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("press") << int(QEvent::MouseButtonPress) << true;
        QTest::newRow("release") << int(QEvent::MouseButtonRelease) << true;
        QTest::newRow("double-click") << int(QEvent::MouseButtonDblClick) << true;
        QTest::newRow("key press") << int(QEvent::KeyPress) << true;
        QTest::newRow("key release") << int(QEvent::KeyRelease) << true;
        QTest::newRow("mouse move") << int(QEvent::MouseMove) << false;
        QTest::newRow("paint") << int(QEvent::Paint) << false;
    }

    void busyFilterSwallowsClicksAndKeysOnly()
    {
        QFETCH(int, type);
        QFETCH(bool, swallowed);
        cBusyFilter filter;
        QObject target;
        QEvent event(static_cast<QEvent::Type>(type));
        QCOMPARE(filter.eventFilter(&target, &event), swallowed);
    }

    void endsAtOnceOnAWrongCall_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("usage");
        QTest::newRow("baud code 12")
            << QStringList { "image.img", "/dev/null", "12" } << "en" << QByteArray("usage: Flashwell");
        QTest::newRow("two arguments, in German")
            << QStringList { "image.img", "/dev/null" } << "de" << QByteArray("Aufruf: Flashwell");
    }

    void endsAtOnceOnAWrongCall()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QByteArray, usage);
        QProcess updater;
        // Without a display, showing anything would fail.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        updater.setProcessEnvironment(environment);
        updater.start(QStringLiteral(BINARY_DIR "/Flashwell"), arguments);
        QVERIFY(updater.waitForFinished(10000));
        QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
        QCOMPARE(updater.exitCode(), 0);
        QVERIFY(updater.readAllStandardError().startsWith(usage));
    }
};

QTEST_MAIN(TestFlashwell)
#include "TestFlashwell.moc"

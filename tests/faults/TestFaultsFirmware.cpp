#include "updater/FlashwellSession.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

// The firmware transfer when the line fails: the wizard says how it ended,
// never "complete" for an image the device did not take, and the device
// keeps working firmware and its settings.
class TestFaultsFirmware : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unpluggedDuringTransfer();
    void nakStorm();

private:
    static bool WaitForEnd(const Flashwell& wizard);
    static QString Info(const Flashwell& wizard);

    QTemporaryDir dir;
};

void TestFaultsFirmware::initTestCase()
{
    QVERIFY(dir.isValid());
    // The update log goes to the system's temporary folder.
    qputenv("TMPDIR", dir.path().toLocal8Bit());
}

// The wizard has ended the transfer and shows its buttons.
bool TestFaultsFirmware::WaitForEnd(const Flashwell& wizard)
{
    return QTest::qWaitFor(
        [&wizard] { return wizard.findChild<QPushButton*>(QStringLiteral("NextStepButton"))->isVisible(); },
        60000);
}

QString TestFaultsFirmware::Info(const Flashwell& wizard)
{
    return wizard.findChild<QTextEdit*>(QStringLiteral("InfoText"))->toPlainText();
}

void TestFaultsFirmware::unpluggedDuringTransfer()
{
    cUpdateTiming timing = quickTiming();
    timing.ackPercent = 10;
    SimConfig config = quickConfig();
    config.settings.insert(QStringLiteral("vesselName"), QStringLiteral("SEA SPRITE"));
    Session session(config, writeImage(dir.filePath(QStringLiteral("image.img")), 40), timing);
    QVERIFY(session.started);
    SimulatedIdentifier& device = session.device;
    // The port vanishes a few blocks in.
    connect(&device, &SimulatedIdentifier::transcriptEntry, this, [&device](const QString& entry) {
        if (entry.contains(QStringLiteral("block 3 (number")))
            QTimer::singleShot(0, &device, [&device] { device.stop(); });
    });
    Flashwell& wizard = *session.wizard;
    QVERIFY(WaitForEnd(wizard));
    QVERIFY2(Info(wizard).startsWith(QStringLiteral("Update failed")), qPrintable(Info(wizard)));
    QVERIFY(!messages(wizard.logText()).contains(QStringLiteral("Updating - complete")));
    wizard.findChild<QPushButton*>(QStringLiteral("NextStepButton"))->click();
    QVERIFY(wizard.result() != 0);
    QCOMPARE(device.state().firmwareVersion, config.version);
    QCOMPARE(device.state().settings.value(QStringLiteral("vesselName")), QStringLiteral("SEA SPRITE"));
}

void TestFaultsFirmware::nakStorm()
{
    SimConfig config = quickConfig();
    // Every block and the first EOT are refused once, as on a noisy line.
    for (int block = 1; block <= 12; ++block)
        config.faults.nakBlocks << block;
    config.faults.nakFirstEot = true;
    Session session(config, writeImage(dir.filePath(QStringLiteral("storm.img")), 10), quickTiming());
    QVERIFY(session.started);
    Flashwell& wizard = *session.wizard;
    QVERIFY(WaitForEnd(wizard));
    QVERIFY2(Info(wizard).startsWith(QStringLiteral("Update complete")), qPrintable(Info(wizard)));
    QCOMPARE(session.device.state().firmwareVersion, NewVersion);
    wizard.findChild<QPushButton*>(QStringLiteral("NextStepButton"))->click();
    QCOMPARE(wizard.result(), 0);
}

QTEST_MAIN(TestFaultsFirmware)
#include "TestFaultsFirmware.moc"

// velmora-cli run as a program against simulated Identifiers on real
// pseudo-terminals: each command's result and exit code, a locked device, a
// write the device ignores, and production on devices that come and go.

#include "CliHarness.h"
#include "history/ProgrammingHistory.h"
#include "profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSet>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

SimConfig LockedDevice(const QString& serialNumber)
{
    SimConfig config = CliHarness::QuickDevice(serialNumber);
    config.password = QStringLiteral("harbour7");
    return config;
}

QString Setting(const SimulatedIdentifier& device, const char* key)
{
    return device.state().settings.value(QLatin1String(key));
}

} // namespace

class TestCliEndToEnd : public QObject, private CliHarness {
    Q_OBJECT

private slots:
    void init();
    void commandsOnOneDevice();
    void failuresHaveTheirExitCodes();
    void partialVoyageLogIsNeitherWrittenNorCleared();
    void lockedDeviceTakesThePasswordFile();
    void passwordTypedLateOrWrongIsAskedAgain();
    void verificationCatchesAnIgnoredWrite();
    void writeKeepsWhatItDoesNotSet();
    void writeTakesAProfileAsTheWindowWould();
    void productionGivesEachDeviceItsOwnMmsi();
    void twoRunsOnOneListNeverShareAnMmsi();
    void productionWritesAgainWhatWasNotVerified();
    void interruptWhileConnectingWritesNothing();
    void parallelWritesAreRecordedWithCertificates();
    void historyKeepsEveryWrite();
    void productionUpdateChecksTheImageFirst();
    void productionUpdatesWithoutAWindow();

private:
    // The profile of a device of the same kind, for production.
    QString PatternProfile();
    QStringList ProgramArguments(const QString& list, const QStringList& ports) const;
};

void TestCliEndToEnd::init()
{
    QVERIFY(Reset());
}

QString TestCliEndToEnd::PatternProfile()
{
    const QString profile = PathOf(QStringLiteral("profile.json"));
    auto pattern = Plug(PathOf(QStringLiteral("pattern")), QuickDevice(QStringLiteral("100000000000")));
    if (!pattern
        || Run({ QStringLiteral("read"), QStringLiteral("--port"), PathOf(QStringLiteral("pattern")),
               QStringLiteral("-o"), profile })
            != 0) {
        qWarning() << "no pattern profile";
    }
    return profile;
}

QStringList TestCliEndToEnd::ProgramArguments(const QString& list, const QStringList& ports) const
{
    QStringList arguments { QStringLiteral("program"), QStringLiteral("--profile"),
        PathOf(QStringLiteral("profile.json")), QStringLiteral("--mmsi-list"), PathOf(list) };
    for (const QString& port : ports) {
        arguments << QStringLiteral("--port") << PathOf(port);
    }
    return arguments;
}

void TestCliEndToEnd::commandsOnOneDevice()
{
    SimConfig config = QuickDevice(QStringLiteral("205170000001"));
    config.settings.insert(QStringLiteral("vesselName"), QStringLiteral("OLD NAME"));
    config.settings.insert(QStringLiteral("positionInterval"), QStringLiteral("600"));
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, config);
    QVERIFY(device);

    QString out;
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--json") }, &out), 0);
    const QJsonObject info = QJsonDocument::fromJson(out.toUtf8()).object();
    QCOMPARE(info.value(QStringLiteral("serialNumber")).toString(), QStringLiteral("205170000001"));
    QCOMPARE(info.value(QStringLiteral("firmware")).toString(), config.version);

    const QString profile = PathOf(QStringLiteral("device.json"));
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), profile }), 0);
    const ProfileReadResult read = ProfileFile::Read(profile);
    QVERIFY2(read.ok, qPrintable(read.problems.join('\n')));
    QCOMPARE(read.profile.staticData().vesselName(), QStringLiteral("OLD NAME"));
    QCOMPARE(read.profile.messages().positionInterval(), 600);

    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"), profile,
                 QStringLiteral("--mmsi"), QStringLiteral("235000123"), QStringLiteral("--name"),
                 QStringLiteral("Sea breeze") },
                 &out),
        0);
    QVERIFY2(out.contains(QStringLiteral("verified")), qPrintable(out));
    QCOMPARE(Setting(*device, "mmsi"), QStringLiteral("235000123"));
    QCOMPARE(Setting(*device, "vesselName"), QStringLiteral("SEA BREEZE"));
    QVERIFY(!device->transcript().join(QLatin1Char('\n')).contains(QStringLiteral("sea breeze")));
    QVERIFY(ReadFile(QStringLiteral("data/Norwake/velmora/velmoraProgrammed.csv")).contains(QStringLiteral("235000123")));

    const QString log = PathOf(QStringLiteral("voyage.csv"));
    QCOMPARE(Run({ QStringLiteral("voyage"), QStringLiteral("--port"), port, QStringLiteral("-o"), log,
                 QStringLiteral("--clear") }),
        0);
    QCOMPARE(ReadFile(QStringLiteral("voyage.csv")).count(QLatin1Char('\n')), 1 + 25);
    QCOMPARE(device->state().voyageLog.size(), 0);
}

void TestCliEndToEnd::failuresHaveTheirExitCodes()
{
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, QuickDevice(QStringLiteral("205170000002")));
    QVERIFY(device);
    QCOMPARE(Run({ QStringLiteral("frobnicate") }), 1);
    // An option the command does not use is no silent no-op.
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--clear") }), 1);
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                 PathOf(QStringLiteral("r.json")), QStringLiteral("--mmsi"), QStringLiteral("235000001") }),
        1);
    QCOMPARE(Run({ QStringLiteral("voyage"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                 PathOf(QStringLiteral("log.txt")) }),
        1);
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), PathOf(QStringLiteral("nothing")) }), 2);
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                 WriteFile(QStringLiteral("bad.json"), "{ not json") }),
        5);
    // The device's log is the only copy: a failed export must not clear it.
    QCOMPARE(Run({ QStringLiteral("voyage"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                 PathOf(QStringLiteral("missing/log.csv")), QStringLiteral("--clear") }),
        5);
    QVERIFY(device->state().voyageLog.size() > 0);
    // A certificate folder that cannot take files stops a write before the device is asked.
    const QString profile = PathOf(QStringLiteral("device.json"));
    QCOMPARE(
        Run({ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), profile }), 0);
    const QString missing = PathOf(QStringLiteral("missing"));
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                 profile, QStringLiteral("--mmsi"), QStringLiteral("235000701"),
                 QStringLiteral("--certificate"), missing }),
        5);
    QCOMPARE(Run({ QStringLiteral("program"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                 profile, QStringLiteral("--mmsi-list"),
                 WriteFile(QStringLiteral("mmsi.csv"), "mmsi,name,call_sign\r\n235000702,,\r\n"),
                 QStringLiteral("--certificate"), missing }),
        5);
    QVERIFY(!Setting(*device, "mmsi").startsWith(QStringLiteral("2350007")));
    device->unplug();
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--timeout"),
                 QStringLiteral("2") }),
        3);
}

// The device stops streaming for longer than the download waits: what came
// is part of the log, which the device must keep.
void TestCliEndToEnd::partialVoyageLogIsNeitherWrittenNorCleared()
{
    SimConfig config = QuickDevice(QStringLiteral("205170000005"));
    config.voyageGenerate = 120;
    config.faults.voyagePauseAfter = 40;
    config.faults.voyagePauseMs = 4000;
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, config);
    QVERIFY(device);
    QString out;
    QCOMPARE(
        Run({ QStringLiteral("voyage"), QStringLiteral("--port"), port, QStringLiteral("-o"),
                PathOf(QStringLiteral("voyage.csv")), QStringLiteral("--clear"), QStringLiteral("--json") },
            &out),
        3);
    QCOMPARE(device->state().voyageLog.size(), 120);
    QVERIFY(!QFile::exists(PathOf(QStringLiteral("voyage.csv"))));
    QVERIFY2(out.contains(QStringLiteral("Only 40 of the 120 records")), qPrintable(out));
}

void TestCliEndToEnd::lockedDeviceTakesThePasswordFile()
{
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, LockedDevice(QStringLiteral("205170000003")));
    QVERIFY(device);
    // The wrong password first: the right one leaves the device open.
    const QString wrong = WriteFile(QStringLiteral("wrong"), "harbour8\n");
    QString out;
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--password-file"), wrong,
                 QStringLiteral("--timeout"), QStringLiteral("5") }),
        3);
    const QString right = WriteFile(QStringLiteral("right"), "harbour7\n");
    QCOMPARE(Run({ QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--password-file"), right },
                 &out),
        0);
    QVERIFY(out.contains(QStringLiteral("205170000003")));
}

// Typed on a terminal: the typing time is not the device's silence, and a
// refused password is asked again.
void TestCliEndToEnd::passwordTypedLateOrWrongIsAskedAgain()
{
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, LockedDevice(QStringLiteral("205170000005")));
    QVERIFY(device);
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    QProcess run;
    Launch(run,
        { QStringLiteral("info"), QStringLiteral("--port"), port, QStringLiteral("--timeout"),
            QStringLiteral("2") },
        QString::fromLocal8Bit(ptsname(terminal)));
    QByteArray prompts;
    for (const QByteArray& typed : { QByteArray("harbour8\n"), QByteArray("harbour7\n") }) {
        const int asked = prompts.count("Password");
        QTRY_VERIFY_WITH_TIMEOUT((prompts += run.readAllStandardError()).count("Password") > asked, 30000);
        QTest::qWait(3000); // longer than --timeout
        QCOMPARE(write(terminal, typed.constData(), typed.size()), typed.size());
    }
    WaitFor(run, CommandTimeoutMs);
    close(terminal);
    QCOMPARE(run.exitCode(), 0);
    QVERIFY(run.readAllStandardOutput().contains("205170000005"));
}

void TestCliEndToEnd::verificationCatchesAnIgnoredWrite()
{
    SimConfig config = QuickDevice(QStringLiteral("205170000004"));
    config.settings.insert(QStringLiteral("callSign"), QStringLiteral("OLDCALL"));
    config.faults.ignoreWrites = QStringList { QStringLiteral("callSign") };
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, config);
    QVERIFY(device);
    const QString profile = PathOf(QStringLiteral("device.json"));
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), profile }), 0);
    QString out;
    const QString certificates = PathOf(QStringLiteral("certificates"));
    QDir().mkpath(certificates);
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                     profile, QStringLiteral("--call-sign"), QStringLiteral("NEWCALL"),
                     QStringLiteral("--json"), QStringLiteral("--certificate"), certificates },
                 &out),
        4);
    // A certificate says the programming was verified.
    QCOMPARE(QDir(certificates).entryList(QDir::Files), QStringList());
    // One JSON object for the run, the mismatch itself.
    QCOMPARE(out.count(QLatin1Char('\n')), 1);
    const QJsonObject result = QJsonDocument::fromJson(out.toUtf8()).object();
    QCOMPARE(result.value(QStringLiteral("result")).toString(), QStringLiteral("mismatch"));
    const QJsonArray mismatches = result.value(QStringLiteral("mismatches")).toArray();
    QCOMPARE(mismatches.size(), 1);
    QCOMPARE(mismatches.first().toObject().value(QStringLiteral("held")).toString(), QStringLiteral("OLDCALL"));
}

// Without --mmsi the device keeps its MMSI, which is then never erased, and
// what a profile does not hold (the destination) keeps the device's value. A
// write of a new MMSI that stops after the erase says so; a write cut off by
// a pulled cable says the device may be half-written.
void TestCliEndToEnd::writeKeepsWhatItDoesNotSet()
{
    const QString profile = PathOf(QStringLiteral("other.json"));
    SimConfig other = QuickDevice(QStringLiteral("205170000005"));
    other.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235000555"));
    auto otherDevice = Plug(PathOf(QStringLiteral("other")), other);
    QVERIFY(otherDevice);
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), PathOf(QStringLiteral("other")),
                 QStringLiteral("-o"), profile }),
        0);
    SimConfig config = QuickDevice(QStringLiteral("205170000006"));
    config.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235000666"));
    config.settings.insert(QStringLiteral("destination"), QStringLiteral("FALMOUTH"));
    config.faults.dropReplies = QStringList { QStringLiteral("reset_mmsi") };
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, config);
    QVERIFY(device);
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                 profile }),
        0);
    QCOMPARE(Setting(*device, "mmsi"), QStringLiteral("235000666"));
    QCOMPARE(Setting(*device, "destination"), QStringLiteral("FALMOUTH"));

    QString out;
    QCOMPARE(
        Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"), profile,
                QStringLiteral("--mmsi"), QStringLiteral("235000777"), QStringLiteral("--json") },
            &out),
        3);
    QVERIFY2(out.contains(QStringLiteral("may be left without its MMSI")), qPrintable(out));

    connect(device.get(), &SimulatedIdentifier::transcriptEntry, this, [&](const QString& entry) {
        if (entry.contains(QLatin1String(" RX ")) && entry.contains(QLatin1String("SSD,"))) {
            QTimer::singleShot(0, this, [&] {
                QFile::remove(port);
                device->stop();
            });
        }
    });
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                 profile, QStringLiteral("--name"), QStringLiteral("NEW NAME") }),
        3);
    QVERIFY2(Errors().contains(QStringLiteral("half-written")), qPrintable(Errors()));
    QVERIFY2(!Errors().contains(QStringLiteral("Unknown error")), qPrintable(Errors()));
}

// A dealer's profile reaches the device as the window would send it:
// capitals, a blank call sign blank, a relative port taken from the working
// folder; what the device cannot hold is listed though the output is a file.
void TestCliEndToEnd::writeTakesAProfileAsTheWindowWould()
{
    SimConfig later = QuickDevice(QStringLiteral("205170000008"));
    later.version = QStringLiteral("160200.02.01.00");
    auto source = Plug(PathOf(QStringLiteral("source")), later);
    QVERIFY(source);
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("source"),
                 QStringLiteral("-o"), QStringLiteral("later.json") }),
        0);
    QJsonObject profile = QJsonDocument::fromJson(ReadFile(QStringLiteral("later.json")).toUtf8()).object();
    QJsonObject vessel = profile.value(QStringLiteral("vessel")).toObject();
    QCOMPARE(vessel.value(QStringLiteral("callSign")).toString(QStringLiteral("absent")), QString());
    vessel.insert(QStringLiteral("name"), QStringLiteral("sea breeze"));
    profile.insert(QStringLiteral("vessel"), vessel);
    WriteFile(QStringLiteral("later.json"), QJsonDocument(profile).toJson());

    SimConfig config = QuickDevice(QStringLiteral("205170000009"));
    config.settings.insert(QStringLiteral("callSign"), QStringLiteral("OLDCALL"));
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, config);
    QVERIFY(device);
    QDir().mkpath(PathOf(QStringLiteral("certificates")));
    QString out;
    QCOMPARE(Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                     PathOf(QStringLiteral("later.json")), QStringLiteral("--certificate"),
                     PathOf(QStringLiteral("certificates")) },
                 &out),
        0);
    QCOMPARE(Setting(*device, "vesselName"), QStringLiteral("SEA BREEZE"));
    QVERIFY(!device->transcript().join(QLatin1Char('\n')).contains(QStringLiteral("sea breeze")));
    QCOMPARE(Setting(*device, "callSign").remove(QLatin1Char('@')), QString());
    QVERIFY2(out.contains(QStringLiteral("Not on this device, not written: ")), qPrintable(out));
    QVERIFY2(!Errors().contains(QStringLiteral("XDG_RUNTIME_DIR")), qPrintable(Errors()));
    QVERIFY2(!Errors().contains(QStringLiteral("Not offered")), qPrintable(Errors()));
}

// Three devices come at different moments; the run is killed while the second
// is being written and started again; the third already holds an MMSI of the
// list. No MMSI may go to two devices.
void TestCliEndToEnd::productionGivesEachDeviceItsOwnMmsi()
{
    const QString list = WriteFile(QStringLiteral("mmsi.csv"),
        "mmsi,name,call_sign\r\n235000001,ALPHA,\r\n235000002,BRAVO,CALLB\r\n235000003,,\r\n235000004,,\r\n");
    PatternProfile();
    const QStringList arguments = ProgramArguments(QStringLiteral("mmsi.csv"),
                                      { QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3") })
        << QStringLiteral("--json");

    auto one = Plug(PathOf(QStringLiteral("p1")), QuickDevice(QStringLiteral("100000000001")));
    QProcess run;
    Launch(run, arguments);
    QByteArray firstOut;
    QTRY_VERIFY_WITH_TIMEOUT((firstOut += run.readAllStandardOutput()).contains("programmed"), 30000);
    auto two = Plug(PathOf(QStringLiteral("p2")), QuickDevice(QStringLiteral("100000000002")));
    QTRY_VERIFY_WITH_TIMEOUT(ReadFile(QStringLiteral("mmsi.csv")).contains(QStringLiteral("100000000002,reserved")), 30000);
    run.kill();
    WaitFor(run, 5000);

    SimConfig carrier = QuickDevice(QStringLiteral("100000000003"));
    carrier.settings.insert(QStringLiteral("mmsi"), QStringLiteral("235000004"));
    auto three = Plug(PathOf(QStringLiteral("p3")), carrier);
    QProcess again;
    Launch(again, arguments);
    QString out;
    QTRY_VERIFY_WITH_TIMEOUT((out += QString::fromUtf8(again.readAllStandardOutput())).count(QLatin1Char('\n')) == 3, 30000);
    ::kill(static_cast<pid_t>(again.processId()), SIGINT);
    WaitFor(again, 10000);
    QCOMPARE(again.exitCode(), 6);

    QCOMPARE(Setting(*one, "mmsi"), QStringLiteral("235000001"));
    QCOMPARE(Setting(*one, "vesselName"), QStringLiteral("ALPHA"));
    QCOMPARE(Setting(*two, "mmsi"), QStringLiteral("235000002"));
    QCOMPARE(Setting(*two, "callSign"), QStringLiteral("CALLB"));
    QCOMPARE(Setting(*three, "mmsi"), QStringLiteral("235000004"));
    QVERIFY2(out.contains(QStringLiteral("already programmed")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("found on the device")), qPrintable(out));
    const QString saved = ReadFile(QStringLiteral("mmsi.csv"));
    QVERIFY2(saved.contains(QStringLiteral("235000001,ALPHA,,100000000001,done")), qPrintable(saved));
    QVERIFY2(saved.contains(QStringLiteral("235000002,BRAVO,CALLB,100000000002,done")), qPrintable(saved));
    QVERIFY2(saved.contains(QStringLiteral("235000003,,,,,")), qPrintable(saved));
    // The row is the device's own, never to be handed to another.
    QVERIFY2(saved.contains(QStringLiteral("235000004,,,100000000003,done,")), qPrintable(saved));
    QVERIFY2(saved.contains(QStringLiteral("found on the device")), qPrintable(saved));
}

// Two runs on one list, one device each, started together: each device its
// own MMSI, the header's columns found by their names.
void TestCliEndToEnd::twoRunsOnOneListNeverShareAnMmsi()
{
    PatternProfile();
    WriteFile(QStringLiteral("empty.csv"), "mmsi,name\r\n");
    QCOMPARE(Run(ProgramArguments(QStringLiteral("empty.csv"), { QStringLiteral("pattern") })), 5);
    WriteFile(QStringLiteral("mmsi.csv"),
        "mmsi,call_sign,name\r\n235100001,CALLA,ALPHA\r\n235100002,CALLB,BRAVO\r\n");
    std::vector<std::unique_ptr<SimulatedIdentifier>> devices;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const char* port : { "p1", "p2" }) {
        devices.push_back(
            Plug(PathOf(QLatin1String(port)), QuickDevice(QStringLiteral("10000000001%1").arg(runs.size()))));
        QVERIFY(devices.back());
        runs.push_back(std::make_unique<QProcess>());
        Launch(*runs.back(), ProgramArguments(QStringLiteral("mmsi.csv"), { QLatin1String(port) }));
    }
    for (auto& run : runs) {
        WaitFor(*run, CommandTimeoutMs);
        QCOMPARE(run->exitCode(), 0);
    }
    const QStringList given { Setting(*devices[0], "mmsi"), Setting(*devices[1], "mmsi") };
    QCOMPARE(QSet<QString>(given.cbegin(), given.cend()),
        QSet<QString>({ QStringLiteral("235100001"), QStringLiteral("235100002") }));
    const auto& alpha = given[0] == QLatin1String("235100001") ? devices[0] : devices[1];
    QCOMPARE(Setting(*alpha, "vesselName") + Setting(*alpha, "callSign"), QStringLiteral("ALPHACALLA"));
    const QString saved = ReadFile(QStringLiteral("mmsi.csv"));
    QVERIFY2(saved.startsWith(QStringLiteral("mmsi,call_sign,name,serial_number,state,")), qPrintable(saved));
    QCOMPARE(saved.count(QStringLiteral(",done,")), 2);
}

// A run killed while writing, and a write not verified: the same device is
// written again with its reserved MMSI, though no MMSI is left unused.
void TestCliEndToEnd::productionWritesAgainWhatWasNotVerified()
{
    PatternProfile();
    WriteFile(QStringLiteral("one.csv"), "235200001\n");
    auto killed = Plug(PathOf(QStringLiteral("p1")), QuickDevice(QStringLiteral("100000000021")));
    QVERIFY(killed);
    QProcess run;
    Launch(run, ProgramArguments(QStringLiteral("one.csv"), { QStringLiteral("p1") }));
    QTRY_VERIFY_WITH_TIMEOUT(
        ReadFile(QStringLiteral("one.csv")).contains(QStringLiteral("100000000021,reserved")), 30000);
    run.kill();
    WaitFor(run, 5000);
    QString out;
    QCOMPARE(Run(ProgramArguments(QStringLiteral("one.csv"), { QStringLiteral("p1") }), &out), 0);
    QVERIFY2(out.contains(QStringLiteral("235200001\tprogrammed")), qPrintable(out));
    QCOMPARE(Setting(*killed, "mmsi"), QStringLiteral("235200001"));
    QVERIFY(ReadFile(QStringLiteral("one.csv")).contains(QStringLiteral("100000000021,done,")));

    SimConfig config = QuickDevice(QStringLiteral("100000000022"));
    config.settings.insert(QStringLiteral("callSign"), QStringLiteral("OLDCALL"));
    config.faults.ignoreWrites = QStringList { QStringLiteral("callSign") };
    auto deaf = Plug(PathOf(QStringLiteral("p2")), config);
    QVERIFY(deaf);
    WriteFile(QStringLiteral("deaf.csv"), "235200002,,NEWCALL\n");
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(Run(ProgramArguments(QStringLiteral("deaf.csv"), { QStringLiteral("p2") }), &out), 4);
        QVERIFY2(out.contains(QStringLiteral("235200002\tmismatch")), qPrintable(out));
        QVERIFY(ReadFile(QStringLiteral("deaf.csv")).contains(QStringLiteral("100000000022,reserved,")));
    }
}

// Ctrl-C while a device is still connecting: it is let go unwritten, and
// its MMSI stays free.
void TestCliEndToEnd::interruptWhileConnectingWritesNothing()
{
    PatternProfile();
    WriteFile(QStringLiteral("one.csv"), "235300001\n");
    SimConfig config = QuickDevice(QStringLiteral("100000000031"));
    config.replyDelayMs = 300;
    auto device = Plug(PathOf(QStringLiteral("p1")), config);
    QVERIFY(device);
    bool asked = false;
    connect(device.get(), &SimulatedIdentifier::transcriptEntry, this,
        [&asked](const QString& entry) { asked = asked || entry.contains(QLatin1String(" RX ")); });
    QProcess run;
    Launch(run, ProgramArguments(QStringLiteral("one.csv"), { QStringLiteral("p1") }));
    QTRY_VERIFY_WITH_TIMEOUT(asked, 30000);
    ::kill(static_cast<pid_t>(run.processId()), SIGINT);
    WaitFor(run, CommandTimeoutMs);
    QCOMPARE(run.exitCode(), 6);
    QVERIFY(Setting(*device, "mmsi") != QLatin1String("235300001"));
    QVERIFY2(!ReadFile(QStringLiteral("one.csv")).contains(QStringLiteral("reserved")),
        qPrintable(ReadFile(QStringLiteral("one.csv"))));
}

// Three programs writing at once: each device's row in the history, whole,
// and a certificate for each.
void TestCliEndToEnd::parallelWritesAreRecordedWithCertificates()
{
    const QString profile = PathOf(QStringLiteral("profile.json"));
    std::vector<std::unique_ptr<SimulatedIdentifier>> devices;
    for (int index = 0; index < 3; ++index) {
        const QString port = PathOf(QStringLiteral("p%1").arg(index));
        devices.push_back(Plug(port, QuickDevice(QStringLiteral("20000000000%1").arg(index))));
        QVERIFY(devices.back());
    }
    QCOMPARE(Run({ QStringLiteral("read"), QStringLiteral("--port"), PathOf(QStringLiteral("p0")), QStringLiteral("-o"),
                 profile }),
        0);
    QDir().mkpath(PathOf(QStringLiteral("certificates")));
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int index = 0; index < 3; ++index) {
        runs.push_back(std::make_unique<QProcess>());
        Launch(*runs.back(),
            { QStringLiteral("write"), QStringLiteral("--port"), PathOf(QStringLiteral("p%1").arg(index)),
                QStringLiteral("--profile"), profile, QStringLiteral("--mmsi"), QStringLiteral("23500010%1").arg(index),
                QStringLiteral("--certificate"), PathOf(QStringLiteral("certificates")) });
    }
    for (auto& run : runs) {
        WaitFor(*run, CommandTimeoutMs);
        QCOMPARE(run->exitCode(), 0);
    }
    QCOMPARE(QDir(PathOf(QStringLiteral("certificates"))).entryList({ QStringLiteral("*.pdf") }).size(), 3);

    ProgrammingHistory history(PathOf(QStringLiteral("data/Norwake/velmora/programming-history.sqlite")));
    QString error;
    QVERIFY2(history.Open(&error), qPrintable(error));
    const QList<ProgrammingRecord> rows = history.Find(QStringLiteral("2350001"), &error);
    QCOMPARE(rows.size(), 3);
    for (const ProgrammingRecord& row : rows) {
        QVERIFY(row.verified);
        QCOMPARE(row.source, QStringLiteral("command line"));
        QVERIFY(ProfileFile::FromJson(row.settings).ok);
    }
}

// Whatever befalls a write, the history keeps it: a configuration log that
// cannot be written is told; a history another program holds locked past the
// time-out keeps the row aside for the next start; a write whose read-back
// is cut off gets its row, unverified, with the failure.
void TestCliEndToEnd::historyKeepsEveryWrite()
{
    const QString port = PathOf(QStringLiteral("port"));
    auto device = Plug(port, QuickDevice(QStringLiteral("205170000006")));
    QVERIFY(device);
    const QString profile = PathOf(QStringLiteral("device.json"));
    QCOMPARE(
        Run({ QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("-o"), profile }), 0);
    const QString data = PathOf(QStringLiteral("data/Norwake/velmora"));
    const QString log = data + QStringLiteral("/velmoraProgrammed.csv");
    QVERIFY(QFile::remove(log) && QDir().mkpath(log));
    const auto write = [&](const QString& mmsi, QString* out) {
        return Run({ QStringLiteral("write"), QStringLiteral("--port"), port, QStringLiteral("--profile"),
                       profile, QStringLiteral("--mmsi"), mmsi, QStringLiteral("--json") },
            out);
    };
    QString out;
    QCOMPARE(write(QStringLiteral("235000601"), &out), 0);
    QVERIFY2(
        out.contains(QStringLiteral("\"warnings\":[\"The configuration was written, but the configuration log "
                                    "could not be updated.")),
        qPrintable(out));

    const QString database = data + QStringLiteral("/programming-history.sqlite");
    {
        QSqlDatabase other
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        other.setDatabaseName(database);
        QVERIFY(other.open() && QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
        QCOMPARE(write(QStringLiteral("235000602"), &out), 0);
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    QVERIFY2(out.contains(QStringLiteral("\"result\":\"history kept aside\"")), qPrintable(out));

    FaultPlan plan;
    plan.dropReplies
        = QStringList { QStringLiteral("SSD#2"), QStringLiteral("SSD#3"), QStringLiteral("SSD#4") };
    device->setFaults(plan);
    QCOMPARE(write(QStringLiteral("235000603"), &out), 3);
    QCOMPARE(Setting(*device, "mmsi"), QStringLiteral("235000603"));
    // Production takes a device without an MMSI.
    const QString blankPort = PathOf(QStringLiteral("blank"));
    auto blank = Plug(blankPort, QuickDevice(QStringLiteral("205170000007")));
    QVERIFY(blank);
    blank->setFaults(plan);
    QCOMPARE(Run({ QStringLiteral("program"), QStringLiteral("--port"), blankPort, QStringLiteral("--profile"),
                 profile, QStringLiteral("--mmsi-list"),
                 WriteFile(QStringLiteral("mmsi.csv"), "mmsi,name,call_sign\r\n235000604,,\r\n") }),
        4); // the reservation is left unverified

    QVERIFY(QDir(log).removeRecursively());
    ProgrammingHistory history(database);
    QString error;
    QVERIFY2(history.Open(&error), qPrintable(error));
    QStringList rows;
    for (const ProgrammingRecord& row : history.Find(QStringLiteral("23500060"), &error)) {
        rows
            << QStringLiteral("%1 %2 %3").arg(row.mmsi).arg(row.verified).arg(row.failure.section(':', 0, 0));
    }
    QCOMPARE(rows,
        QStringList(
            { QStringLiteral("235000604 0 Connection Error"), QStringLiteral("235000603 0 Connection Error"),
                QStringLiteral("235000602 1 "), QStringLiteral("235000601 1 ") }));
}

// --update looks at the image before the device is reset: an empty one is
// refused with its reason, and the device goes on running its firmware.
void TestCliEndToEnd::productionUpdateChecksTheImageFirst()
{
    PatternProfile();
    QVERIFY(QDir().mkpath(PathOf(QStringLiteral("data/Norwake/velmora/AISImage"))));
    WriteFile(QStringLiteral("data/Norwake/velmora/AISImage/050200_09_00_00.img"), QByteArray());
    WriteFile(QStringLiteral("mmsi.csv"), "mmsi,name,call_sign\r\n235000001,,\r\n");
    auto device = Plug(PathOf(QStringLiteral("p1")), QuickDevice(QStringLiteral("100000000001")));
    QVERIFY(device);
    QProcess run;
    Launch(run,
        ProgramArguments(QStringLiteral("mmsi.csv"), { QStringLiteral("p1") }) << QStringLiteral("--update"));
    QString out;
    QTRY_VERIFY_WITH_TIMEOUT(
        (out += QString::fromUtf8(run.readAllStandardOutput())).contains(QStringLiteral("outdated")), 30000);
    ::kill(static_cast<pid_t>(run.processId()), SIGINT);
    WaitFor(run, 10000);
    QVERIFY2(out.contains(QStringLiteral("which was not sent: The image 050200_09_00_00.img is empty.")),
        qPrintable(out));
    QCOMPARE(device->mode(), SimulatedIdentifier::Mode::Running);
}

void TestCliEndToEnd::productionUpdatesWithoutAWindow()
{
    PatternProfile();
    QVERIFY(QDir().mkpath(PathOf(QStringLiteral("data/Norwake/velmora/AISImage"))));
    WriteFile(QStringLiteral("data/Norwake/velmora/AISImage/050200_03_00_00.img"),
        QByteArray("IDENTIFIER FIRMWARE 050200.03.00.00\n") + QByteArray(3000, '\x5a'));
    WriteFile(QStringLiteral("mmsi.csv"), "mmsi,name,call_sign\r\n235000001,,\r\n");
    auto device = Plug(PathOf(QStringLiteral("p1")), QuickDevice(QStringLiteral("100000000001")));
    QVERIFY(device);
    QString out;
    QCOMPARE(Run(ProgramArguments(QStringLiteral("mmsi.csv"), { QStringLiteral("p1") }) << QStringLiteral("--update"), &out), 0);
    QVERIFY2(out.contains(QStringLiteral("programmed")), qPrintable(out));
    QCOMPARE(device->state().firmwareVersion, QStringLiteral("050200.03.00.00"));
    QCOMPARE(Setting(*device, "mmsi"), QStringLiteral("235000001"));
}

QTEST_GUILESS_MAIN(TestCliEndToEnd)
#include "TestCliEndToEnd.moc"

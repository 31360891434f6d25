// The MMSI pool on a PostgreSQL server of the test's own: claims for devices
// as they come, stations claiming at once, a station killed, the server gone
// and back under a running station, imports, the station's role and
// velmora-cli's pool commands.

#include "PostgresServer.h"
#include "SimConfig.h"
#include "SimulatedIdentifier.h"
#include "history/ProgrammingRecord.h"
#include "production/MmsiList.h"
#include "production/MmsiPool.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const int waitMs = 60000;
using Kind = MmsiClaim::Kind;

QString MmsiAt(int index)
{
    return QStringLiteral("235%1").arg(index, 6, 10, QLatin1Char('0'));
}

} // namespace

class TestMmsiPool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void claimsFollowTheDevice();
    void eightStationsClaimDifferentMmsis();
    void killedStationIsResumedElsewhere();
    void stationRunOutlivesTheServer();
    void listImportedTwiceIsRefused();
    void stationRoleClaimsFinishesAndReleasesOnly();
    void poolCommands();

private:
    QString WriteList(int first, int count);
    bool Import(MmsiPool& pool, int first, int count, QString* error);
    QStringList Column(const QString& sql);
    QStringList Events();
    // velmora-cli to its end, the simulated devices answering meanwhile.
    int RunCli(const QStringList& arguments, QString* output);
    void LaunchCli(QProcess& cli, const QStringList& arguments);
    static void WaitFor(QProcess& process);
    void StartClaimer(QProcess& claimer, const QString& station, const QString& prefix, int count, bool hold);

    std::unique_ptr<PostgresServer> m_server;
    QTemporaryDir m_dir;
    QString m_database;
    QString m_url;
    int m_databases = 0;
};

void TestMmsiPool::initTestCase()
{
    m_server = std::make_unique<PostgresServer>(300);
    QString error;
    QVERIFY2(
        m_server->Start(&error), qPrintable(error + "\n(scripts/install-deps.sh installs postgresql-15)"));
}

// A fresh database each time, its tables made twice: once is enough.
void TestMmsiPool::init()
{
    m_database = QStringLiteral("pool%1").arg(++m_databases);
    QString error;
    m_url = m_server->CreateDatabase(m_database, &error);
    QVERIFY2(!m_url.isEmpty(), qPrintable(error));
    MmsiPool pool(m_url, QStringLiteral("admin"));
    QVERIFY2(pool.Init(&error) && pool.Init(&error), qPrintable(error));
}

QString TestMmsiPool::WriteList(int first, int count)
{
    const QString path = m_dir.filePath(QStringLiteral("list%1-%2.csv").arg(first).arg(count));
    QString text = QStringLiteral("mmsi,name,call_sign\n");
    for (int i = first; i < first + count; ++i) {
        text += MmsiAt(i) + (i == 0 ? QStringLiteral(",Sea Breeze,mabc1\n") : QStringLiteral(",,\n"));
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    return path;
}

bool TestMmsiPool::Import(MmsiPool& pool, int first, int count, QString* error)
{
    MmsiList list;
    return MmsiList::Load(WriteList(first, count), &list, error) && pool.Import(list, error);
}

QStringList TestMmsiPool::Column(const QString& sql)
{
    QStringList rows;
    QString error;
    if (!m_server->Query(m_database, sql, &rows, &error)) {
        qWarning() << error;
    }
    return rows;
}

// kind mmsi serial station detail, oldest first.
QStringList TestMmsiPool::Events()
{
    return Column(QStringLiteral("SELECT concat_ws(' ', kind, mmsi, serial_number, station, NULLIF(detail, "
                                 "'')) FROM pool_event ORDER BY id"));
}

void TestMmsiPool::LaunchCli(QProcess& cli, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The configuration log and the local history stay in the test's folder.
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    cli.setProcessEnvironment(environment);
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(BINARY_DIR "/velmora-cli"), arguments);
}

void TestMmsiPool::WaitFor(QProcess& process)
{
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < waitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(waitMs);
    }
}

int TestMmsiPool::RunCli(const QStringList& arguments, QString* output)
{
    QProcess cli;
    LaunchCli(cli, arguments);
    WaitFor(cli);
    *output = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

void TestMmsiPool::StartClaimer(
    QProcess& claimer, const QString& station, const QString& prefix, int count, bool hold)
{
    QStringList arguments { m_url, station, prefix, QString::number(count) };
    if (hold) {
        arguments << QStringLiteral("hold");
    }
    claimer.start(QStringLiteral(POOL_CLAIMER), arguments);
    QVERIFY(claimer.waitForReadyRead(waitMs));
    QCOMPARE(claimer.readLine().trimmed(), QByteArray("ready"));
}

void TestMmsiPool::claimsFollowTheDevice()
{
    MmsiPool pool(m_url, QStringLiteral("line-1"));
    QString error;
    QVERIFY2(Import(pool, 0, 3, &error), qPrintable(error));
    struct Step {
        const char* serial;
        const char* deviceMmsi;
        Kind kind;
        const char* mmsi;
    };
    // A device carrying a free MMSI keeps it; any other MMSI it carries is refused.
    const Step steps[] = {
        { "S1", "000000000", Kind::Take, "235000000" },
        { " ", "", Kind::Failed, "" },
        { "S1", "235000002", Kind::Resume, "235000000" },
        { "S2", "235000002", Kind::FoundOnDevice, "235000002" },
        { "S3", "999999999", Kind::Refused, "999999999" },
        { "S3", "", Kind::Take, "235000001" },
        { "S4", "235000001", Kind::Refused, "235000001" },
        { "S5", "", Kind::Exhausted, "" },
    };
    for (const Step& step : steps) {
        const MmsiClaim claim = pool.Claim(QLatin1String(step.serial), QLatin1String(step.deviceMmsi));
        QCOMPARE(claim.kind, step.kind);
        QCOMPARE(claim.mmsi, QLatin1String(step.mmsi));
    }
    // The list's name and call sign come with their MMSI, in capitals.
    QCOMPARE(pool.Claim(QStringLiteral("S1"), QString()).vesselName, QStringLiteral("SEA BREEZE"));
    QVERIFY(
        pool.Claim(QStringLiteral("S4"), QStringLiteral("235000001")).error.contains(QLatin1String("S3")));
    // An unverified write stays reserved; a verified one is done, for good.
    QVERIFY(pool.Finish(QStringLiteral("S1"), false, &error));
    QCOMPARE(pool.FreeCount(&error), 0);
    QCOMPARE(pool.Unfinished(&error).size(), 2);
    QVERIFY(pool.Finish(QStringLiteral("S1"), true, &error));
    QCOMPARE(pool.Claim(QStringLiteral("S1"), QString()).kind, Kind::AlreadyProgrammed);
    QVERIFY(!pool.Finish(QStringLiteral("S1"), true, &error));
    QVERIFY(!pool.Release(MmsiAt(0), QStringLiteral("no"), &error));
    QVERIFY(error.contains(QLatin1String("done")));
    QVERIFY2(pool.Release(MmsiAt(1), QStringLiteral("device scrapped"), &error), qPrintable(error));
    QCOMPARE(pool.Claim(QStringLiteral("S5"), QString()).mmsi, MmsiAt(1));
    QCOMPARE(Events(),
        QStringList({ "claim 235000000 S1 line-1", "resume 235000000 S1 line-1",
            "found 235000002 S2 line-1 found on the device", "claim 235000001 S3 line-1",
            "resume 235000000 S1 line-1", "unverified 235000000 S1 line-1", "done 235000000 S1 line-1",
            "release 235000001 S3 line-1 device scrapped", "claim 235000001 S5 line-1" }));
}

void TestMmsiPool::eightStationsClaimDifferentMmsis()
{
    MmsiPool pool(m_url, QStringLiteral("admin"));
    QString error;
    QVERIFY2(Import(pool, 0, 400, &error), qPrintable(error));
    std::vector<std::unique_ptr<QProcess>> stations;
    for (int i = 0; i < 8; ++i) {
        stations.push_back(std::make_unique<QProcess>());
        StartClaimer(
            *stations.back(), QStringLiteral("line-%1").arg(i), QStringLiteral("S%1-").arg(i), 50, false);
    }
    for (auto& station : stations) {
        station->write("go\n");
    }
    QSet<QString> claimed;
    for (auto& station : stations) {
        QVERIFY(station->waitForFinished(waitMs));
        const QList<QByteArray> lines = station->readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), 51);
        QVERIFY2(lines.last().startsWith("done"), lines.last().constData());
        for (const QByteArray& line : lines.mid(0, 50)) {
            claimed.insert(QString::fromLatin1(line.split(' ').first()));
        }
    }
    QCOMPARE(claimed.size(), 400);
    QCOMPARE(pool.FreeCount(&error), 0);
}

// The station is killed once the claim is committed, before it writes.
void TestMmsiPool::killedStationIsResumedElsewhere()
{
    MmsiPool pool(m_url, QStringLiteral("line-2"));
    QString error;
    QVERIFY2(Import(pool, 0, 2, &error), qPrintable(error));
    QProcess killed;
    StartClaimer(killed, QStringLiteral("line-1"), QStringLiteral("K"), 1, true);
    killed.write("go\n");
    QVERIFY(killed.waitForReadyRead(waitMs));
    const QString mmsi = QString::fromLatin1(killed.readLine().split(' ').first());
    killed.kill();
    QVERIFY(killed.waitForFinished(waitMs));
    MmsiPoolStatus status;
    QVERIFY2(pool.Status(&status, &error), qPrintable(error));
    QCOMPARE(status.reservations.size(), 1);
    QCOMPARE(status.reservations.first().serialNumber, QStringLiteral("K0"));
    QCOMPARE(status.reservations.first().station, QStringLiteral("line-1"));
    const MmsiClaim claim = pool.Claim(QStringLiteral("K0"), QString());
    QCOMPARE(claim.kind, Kind::Resume);
    QCOMPARE(claim.mmsi, mmsi);
    QVERIFY(pool.Finish(QStringLiteral("K0"), true, &error));
    QCOMPARE(Events().last(), QStringLiteral("done %1 K0 line-2").arg(mmsi));
}

// The server stops while the device is written: nothing is done, the run says
// so and ends with 7. Back, another station resumes the device.
void TestMmsiPool::stationRunOutlivesTheServer()
{
    QString error;
    MmsiPool admin(m_url, QStringLiteral("admin"));
    QVERIFY2(Import(admin, 0, 1, &error), qPrintable(error));
    SimConfig config;
    config.serialNumber = QStringLiteral("100000000001");
    config.replyDelayMs = 5;
    config.resetSilenceMs = 50;
    SimulatedIdentifier device(config);
    const QString port = m_dir.filePath(QStringLiteral("port"));
    QVERIFY2(device.start(&error) && QFile::link(device.portPath(), port), qPrintable(error));
    const QString profile = m_dir.filePath(QStringLiteral("profile.json"));
    QString output;
    QCOMPARE(RunCli({ "read", "--port", port, "-o", profile }, &output), 0);
    const auto program = [&](const char* station) {
        return QStringList { "program", "--pool", m_url, "--station", station, "--profile", profile, "--port",
            port };
    };
    QProcess run;
    LaunchCli(run, program("line-1"));
    const QString reserved = QStringLiteral("SELECT serial_number FROM pool_mmsi WHERE state = 'reserved'");
    QTRY_COMPARE_WITH_TIMEOUT(Column(reserved), QStringList { config.serialNumber }, waitMs);
    QVERIFY2(m_server->Stop(&error), qPrintable(error));
    WaitFor(run);
    output = QString::fromUtf8(run.readAllStandardOutput());
    QVERIFY2(output.contains(QLatin1String("not recorded")) && output.contains(m_url), qPrintable(output));
    QCOMPARE(run.exitCode(), 7);
    QVERIFY2(m_server->Start(&error), qPrintable(error));
    // A pool whose connection the server dropped connects again at once.
    MmsiPoolStatus status;
    QVERIFY2(admin.Status(&status, &error), qPrintable(error));
    QCOMPARE(status.reservations.first().serialNumber, config.serialNumber);
    QCOMPARE(RunCli(program("line-2"), &output), 0);
    QVERIFY2(output.contains(QLatin1String("programmed")), qPrintable(output));
    QCOMPARE(device.state().settings.value(QStringLiteral("mmsi")), MmsiAt(0));
    QCOMPARE(Events(),
        QStringList({ "claim 235000000 100000000001 line-1", "resume 235000000 100000000001 line-2",
            "done 235000000 100000000001 line-2" }));
    QCOMPARE(Column(QStringLiteral("SELECT station || ' ' || verified || ' ' || mmsi FROM pool_history")),
        QStringList { "line-2 true 235000000" });
}

void TestMmsiPool::listImportedTwiceIsRefused()
{
    MmsiPool pool(m_url, QStringLiteral("admin"));
    QString error;
    QVERIFY2(Import(pool, 0, 3, &error), qPrintable(error));
    QVERIFY(!Import(pool, 0, 3, &error));
    QVERIFY2(error.contains(QStringLiteral("235000000, 235000001, 235000002")), qPrintable(error));
    QVERIFY(!Import(pool, 2, 2, &error));
    QVERIFY2(error.contains(MmsiAt(2)) && !error.contains(MmsiAt(3)), qPrintable(error));
    QCOMPARE(pool.FreeCount(&error), 3);
}

// The grants of the README's "Several stations".
void TestMmsiPool::stationRoleClaimsFinishesAndReleasesOnly()
{
    QString error;
    MmsiPool admin(m_url, QStringLiteral("admin"));
    QVERIFY2(Import(admin, 0, 2, &error), qPrintable(error));
    const QString grants = QStringLiteral(
        "CREATE ROLE velmora_station NOLOGIN;"
        "GRANT SELECT ON pool_schema, pool_mmsi TO velmora_station;"
        "GRANT UPDATE (state, serial_number, station, reserved_at, finished_at, verification) ON pool_mmsi "
        "TO velmora_station;"
        "GRANT INSERT ON pool_event, pool_history TO velmora_station;"
        "GRANT USAGE ON pool_event_id_seq, pool_history_id_seq TO velmora_station;"
        "CREATE ROLE line1 LOGIN IN ROLE velmora_station;");
    QVERIFY2(m_server->Query(m_database, grants, nullptr, &error), qPrintable(error));
    MmsiPool station(m_server->Url(m_database, QStringLiteral("line1")), QStringLiteral("line-1"));
    QCOMPARE(station.Claim(QStringLiteral("S1"), QString()).kind, Kind::Take);
    QCOMPARE(station.Claim(QStringLiteral("S2"), QString()).kind, Kind::Take);
    QVERIFY2(station.Finish(QStringLiteral("S1"), true, &error), qPrintable(error));
    QVERIFY2(station.Release(MmsiAt(1), QStringLiteral("checked"), &error), qPrintable(error));
    QVERIFY2(station.AddHistory(ProgrammingRecord(), &error), qPrintable(error));
    QVERIFY(!Import(station, 5, 1, &error));
    QVERIFY2(error.contains(QLatin1String("permission denied")), qPrintable(error));
    // Not even the owner changes what happened.
    QVERIFY(!m_server->Query(m_database, QStringLiteral("DELETE FROM pool_event"), nullptr, &error));
    QCOMPARE(Events().size(), 4);
}

void TestMmsiPool::poolCommands()
{
    struct Command {
        QStringList arguments;
        int exitCode;
        const char* output; // in standard output or error
    };
    const QString list = WriteList(0, 3);
    const QString mmsi = MmsiAt(0);
    const Command commands[] = {
        { { "pool", "import", "--pool", m_url, list }, 0, "3 MMSI(s) imported." },
        { { "pool", "import", "--pool", m_url, list }, 7, "235000000, 235000001, 235000002" },
        { { "pool", "status", "--pool", m_url, "--json" }, 0, "\"free\":3" },
        { { "pool", "release", "--pool", m_url, "--mmsi", mmsi }, 1, "--reason" },
        { { "pool", "release", "--pool", m_url, "--mmsi", mmsi, "--reason", "x" }, 7, "not reserved" },
        { { "pool", "status", "--pool", "postgresql://velmora:secret@/x" }, 7, "password" },
        { { "program", "--pool", m_url, "--profile", list }, 1, "--station" },
    };
    QString output;
    for (const Command& command : commands) {
        QCOMPARE(RunCli(command.arguments, &output), command.exitCode);
        QVERIFY2(output.contains(QLatin1String(command.output)), qPrintable(output));
    }
    MmsiPool pool(m_url, QStringLiteral("line-1"));
    QCOMPARE(pool.Claim(QStringLiteral("S1"), QString()).mmsi, mmsi);
    QCOMPARE(RunCli({ "pool", "status", "--pool", m_url, "--json" }, &output), 0);
    const QJsonObject status = QJsonDocument::fromJson(output.toUtf8()).object();
    QCOMPARE(status.value("reserved").toInt(), 1);
    const QJsonObject row = status.value("reservations").toArray().first().toObject();
    QCOMPARE(
        row.value("serialNumber").toString() + row.value("station").toString() + row.value("mmsi").toString(),
        QStringLiteral("S1line-1") + mmsi);
    QVERIFY(row.value("reservedUtc").toString().endsWith(QLatin1Char('Z')));
}

QTEST_GUILESS_MAIN(TestMmsiPool)
#include "TestMmsiPool.moc"

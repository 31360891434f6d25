// The MMSI pool on a PostgreSQL server of the test's own: claims for devices
// as they come, stations claiming at once, a station killed, the server gone
// and back, imports, the station's role and velmora-cli's pool commands.

#include "PostgresServer.h"
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
    void serverStoppedMidRun();
    void listImportedTwiceIsRefused();
    void stationRoleClaimsFinishesAndReleasesOnly();
    void poolCommands();

private:
    QString WriteList(int first, int count);
    bool Import(MmsiPool& pool, int first, int count, QString* error);
    QStringList Events();
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

// kind mmsi serial station detail, oldest first.
QStringList TestMmsiPool::Events()
{
    QStringList rows;
    QString error;
    m_server->Query(m_database,
        QStringLiteral(
            "SELECT concat_ws(' ', kind, mmsi, serial_number, station, NULLIF(detail, '')) FROM pool_event "
            "ORDER BY id"),
        &rows, &error);
    return rows;
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
        int mmsi; // -1: none
    };
    // The list's name and call sign come with the first MMSI; a device
    // carrying a free MMSI keeps it; one carrying another device's is left alone.
    const Step steps[] = {
        { "S1", "000000000", Kind::Take, 0 },
        { "S1", "235000002", Kind::Resume, 0 },
        { "S2", "235000002", Kind::FoundOnDevice, 2 },
        { "S3", "999999999", Kind::Take, 1 },
        { "S4", "235000001", Kind::FoundOnDevice, 1 },
        { "S5", "", Kind::Exhausted, -1 },
    };
    for (const Step& step : steps) {
        const MmsiClaim claim = pool.Claim(QLatin1String(step.serial), QLatin1String(step.deviceMmsi));
        QCOMPARE(claim.kind, step.kind);
        QCOMPARE(claim.mmsi, step.mmsi < 0 ? QString() : MmsiAt(step.mmsi));
    }
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

void TestMmsiPool::serverStoppedMidRun()
{
    MmsiPool pool(m_url, QStringLiteral("line-1"));
    QString error;
    QVERIFY2(Import(pool, 0, 2, &error), qPrintable(error));
    QCOMPARE(pool.Claim(QStringLiteral("S1"), QString()).mmsi, MmsiAt(0));
    QVERIFY2(m_server->Stop(&error), qPrintable(error));
    QVERIFY(!pool.Finish(QStringLiteral("S1"), true, &error));
    QVERIFY2(error.contains(m_url), qPrintable(error));
    const MmsiClaim lost = pool.Claim(QStringLiteral("S2"), QString());
    QCOMPARE(lost.kind, Kind::Failed);
    QVERIFY(!lost.error.isEmpty());
    QVERIFY2(m_server->Start(&error), qPrintable(error));
    // Nothing was done: the device is written again with its own MMSI.
    QCOMPARE(pool.FreeCount(&error), 1);
    const MmsiClaim again = pool.Claim(QStringLiteral("S1"), QString());
    QCOMPARE(again.kind, Kind::Resume);
    QCOMPARE(again.mmsi, MmsiAt(0));
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
    for (const Command& command : commands) {
        QProcess cli;
        cli.start(QStringLiteral(BINARY_DIR "/velmora-cli"), command.arguments);
        QVERIFY(cli.waitForFinished(waitMs));
        const QString output = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
        QVERIFY2(output.contains(QLatin1String(command.output)), qPrintable(output));
        QCOMPARE(cli.exitCode(), command.exitCode);
    }
    MmsiPool pool(m_url, QStringLiteral("line-1"));
    QCOMPARE(pool.Claim(QStringLiteral("S1"), QString()).mmsi, mmsi);
    QProcess cli;
    cli.start(QStringLiteral(BINARY_DIR "/velmora-cli"), { "pool", "status", "--pool", m_url, "--json" });
    QVERIFY(cli.waitForFinished(waitMs));
    const QJsonObject status = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(status.value("reserved").toInt(), 1);
    const QJsonObject row = status.value("reservations").toArray().first().toObject();
    QCOMPARE(
        row.value("serialNumber").toString() + row.value("station").toString() + row.value("mmsi").toString(),
        QStringLiteral("S1line-1") + mmsi);
    QVERIFY(row.value("reservedUtc").toString().endsWith(QLatin1Char('Z')));
}

QTEST_GUILESS_MAIN(TestMmsiPool)
#include "TestMmsiPool.moc"

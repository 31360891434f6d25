#include "history/HistoryWriter.h"
#include "history/PendingRows.h"
#include "history/ProgrammingHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const QString databaseName = QStringLiteral("programming-history.sqlite");
const int rowsPerWriter = 40;

ProgrammingRecord Record(const QString& writer, int index)
{
    ProgrammingRecord record;
    record.at = QDateTime::currentDateTimeUtc();
    record.serialNumber = writer;
    record.mmsi = QString::number(235000000 + index);
    record.vesselName = QStringLiteral("VESSEL %1").arg(index);
    record.generation = 2;
    record.source = QStringLiteral("command line");
    record.settings
        = QStringLiteral("{\"writer\":\"%1\",\"index\":%2,\"port\":\"Ærø\"}").arg(writer).arg(index).toUtf8();
    return record;
}

// What a copy of this test started with --write-rows does: one production run.
int WriteRows(const QString& path, const QString& writer)
{
    ProgrammingHistory history(path);
    for (int index = 0; index < rowsPerWriter; ++index) {
        ProgrammingRecord record = Record(writer, index);
        QString error;
        if (!history.Add(record, &error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
    }
    return 0;
}

// What a copy of this test started with --open-at does: open the history at
// the given moment, as programs started together do.
int OpenAt(const QString& path, qint64 msecsSinceEpoch)
{
    while (QDateTime::currentMSecsSinceEpoch() < msecsSinceEpoch)
        QThread::usleep(200);
    ProgrammingHistory history(path);
    QString error;
    if (history.Open(&error))
        return 0;
    QTextStream(stderr) << error << '\n';
    return 1;
}

// Another program's connection to the database.
class OtherProgram {
public:
    explicit OtherProgram(const QString& path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.open();
    }
    ~OtherProgram() { QSqlDatabase::removeDatabase(name); }
    bool Run(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(name));
        return query.exec(sql);
    }

private:
    const QString name = QStringLiteral("other program");
};

QString LogLine(const ProgrammingRecord& record)
{
    const QDateTime local = record.at.toLocalTime();
    return QStringLiteral("%1,%2,dealer,BENCH,%3,050200.02.01.00,%4,%5,,\n")
        .arg(local.toString(QStringLiteral("hh:mm:ss")), local.toString(QStringLiteral("dd/MM/yyyy")),
            record.serialNumber, record.mmsi, record.vesselName);
}

void WriteLog(const QString& folder, const QString& lines)
{
    QFile log(folder + QStringLiteral("/velmoraProgrammed.csv"));
    log.open(QIODevice::WriteOnly);
    log.write("Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign\n" + lines.toUtf8());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgrammingHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void parallelWritersKeepEveryRow();
    void findsByMmsiSerialAndNameNewestFirst();
    void configurationLogImportedOnce();
    void unusableFolderFailsWithMessage_data();
    void unusableFolderFailsWithMessage();
    void damagedDatabaseSetAsideAndReplaced();
    void damageInTheMiddleIsFound_data();
    void damageInTheMiddleIsFound();
    void lockHeldPastTheTimeOutLosesNoRow();
    void programsOpeningTogetherTakeEachRowInOnce();

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString path;
};

void TestProgrammingHistory::init()
{
    folder = std::make_unique<QTemporaryDir>();
    path = folder->filePath(databaseName);
}

// Three other processes and two objects of this one write at once; a third
// object on another file comes and goes meanwhile.
void TestProgrammingHistory::parallelWritersKeepEveryRow()
{
    QList<QProcess*> writers;
    for (const QString& writer : { QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3") }) {
        auto* process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--write-rows"), path, writer });
        writers << process;
    }
    ProgrammingHistory first(path);
    ProgrammingHistory second(path);
    for (int index = 0; index < rowsPerWriter; ++index) {
        ProgrammingRecord a = Record(QStringLiteral("O1"), index);
        ProgrammingRecord b = Record(QStringLiteral("O2"), index);
        QString error;
        QVERIFY2(first.Add(a, &error) && second.Add(b, &error), qPrintable(error));
        QVERIFY(a.id > 0 && b.id > a.id);
    }
    for (QProcess* process : writers) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }

    QString error;
    {
        ProgrammingHistory elsewhere(folder->filePath(QStringLiteral("elsewhere.sqlite")));
        ProgrammingRecord record = Record(QStringLiteral("E1"), 0);
        QVERIFY2(elsewhere.Add(record, &error), qPrintable(error));
    }
    const QList<ProgrammingRecord> rows = first.Find(QString(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(rows.size(), 5 * rowsPerWriter);
    QSet<QString> seen;
    for (const ProgrammingRecord& row : rows) {
        const int index = row.mmsi.toInt() - 235000000;
        const ProgrammingRecord expected = Record(row.serialNumber, index);
        QCOMPARE(row.settings, expected.settings);
        QCOMPARE(row.vesselName, expected.vesselName);
        seen << row.serialNumber + row.mmsi;
    }
    QCOMPARE(seen.size(), rows.size());
}

void TestProgrammingHistory::findsByMmsiSerialAndNameNewestFirst()
{
    ProgrammingHistory history(path);
    const QDateTime start(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
    const QStringList names
        = { QStringLiteral("SEA SPRITE"), QStringLiteral("NORTH STAR"), QStringLiteral("SEAGULL") };
    for (int index = 0; index < names.size(); ++index) {
        ProgrammingRecord record = Record(QStringLiteral("20517003011%1").arg(index), index);
        record.vesselName = names.at(index);
        record.at = start.addSecs(index * 60);
        record.verified = index == 1;
        QString error;
        QVERIFY2(history.Add(record, &error), qPrintable(error));
    }
    const auto found = [&history](const QString& text) {
        QStringList shown;
        QString error;
        for (const ProgrammingRecord& row : history.Find(text, &error))
            shown << row.vesselName;
        return error.isEmpty() ? shown : QStringList { error };
    };
    QCOMPARE(found(QString()), (QStringList { "SEAGULL", "NORTH STAR", "SEA SPRITE" }));
    QCOMPARE(found(QStringLiteral("sea")), (QStringList { "SEAGULL", "SEA SPRITE" }));
    QCOMPARE(found(QStringLiteral("235000001")), QStringList { "NORTH STAR" });
    QCOMPARE(found(QStringLiteral("0110")), QStringList { "SEA SPRITE" });
    QCOMPARE(found(QStringLiteral("%")), QStringList());
    QString error;
    const ProgrammingRecord kept = history.Find(QStringLiteral("NORTH"), &error).value(0);
    QVERIFY(kept.verified);
    QCOMPARE(kept.at, start.addSecs(60));
}

// The log beside the database holds rows written before the history existed.
void TestProgrammingHistory::configurationLogImportedOnce()
{
    QFile log(folder->filePath(QStringLiteral("velmoraProgrammed.csv")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write("Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign,Vessel Type,Dimension A,"
              "Dimension B,Dimension C,Dimension D,Low SOG Reporting Interval, High SOG Threshold,"
              "High SOG Reporting Interval,Ch.A Freq(MHz),Ch.B Freq(MHz)\n"
              "09:15:00,14/05/2024,dealer,BENCH,205170030117,050200.02.01.00,235123456,\"SEA, BREEZE\",GBXY,"
              "37,7,4,2,2,180,,,161.975,162.025,\n"
              "Error NULL Model!\n"
              "10:00:30,14/05/2024,dealer,BENCH,305170030118,160200.01.00.00,235123457,GULL,MABC,"
              "37,7,4,2,2,180,,,161.975,162.025,\n");
    log.close();

    for (int start = 0; start < 2; ++start) {
        ProgrammingHistory history(path);
        QString error;
        QVERIFY2(history.Open(&error), qPrintable(error));
        if (start == 0) {
            ProgrammingRecord record = Record(QStringLiteral("W1"), 0);
            QVERIFY2(history.Add(record, &error), qPrintable(error));
        }
        const QList<ProgrammingRecord> rows = history.Find(QString(), &error);
        QCOMPARE(rows.size(), 3);
        const ProgrammingRecord& first = rows.at(2);
        QCOMPARE(first.at, QDateTime(QDate(2024, 5, 14), QTime(9, 15), Qt::LocalTime).toUTC());
        QCOMPARE(first.vesselName, QStringLiteral("SEA, BREEZE"));
        QCOMPARE(first.serialNumber, QStringLiteral("205170030117"));
        QCOMPARE(first.generation, 1);
        QCOMPARE(rows.at(1).generation, 4);
        QCOMPARE(first.source, QStringLiteral("configuration log"));
        QVERIFY(!first.verified);
    }
}

void TestProgrammingHistory::unusableFolderFailsWithMessage_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("folder is a file") << false;
}

void TestProgrammingHistory::unusableFolderFailsWithMessage()
{
    QFETCH(bool, readOnly);
    QString data = folder->filePath(QStringLiteral("data"));
    if (readOnly) {
        QVERIFY(QDir().mkdir(data));
        QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        // A user who may write anywhere (root, as tests run here) cannot write in /proc either.
        if (QFile(data + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
            data = QStringLiteral("/proc");
    } else {
        QFile file(data);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ProgrammingHistory history(data + QLatin1Char('/') + databaseName);
    for (int attempt = 0; attempt < 2; ++attempt) {
        ProgrammingRecord record = Record(QStringLiteral("RO"), attempt);
        QString error;
        QVERIFY(!history.Add(record, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(data)), qPrintable(error));
        QCOMPARE(record.id, 0);
        error.clear();
        QVERIFY(history.Find(QString(), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }
    QFile::setPermissions(folder->filePath(QStringLiteral("data")),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestProgrammingHistory::damagedDatabaseSetAsideAndReplaced()
{
    const QByteArray damage = QByteArray("not a database, whatever it once was\n").repeated(200);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damage);
    file.close();

    ProgrammingHistory history(path);
    ProgrammingRecord record = Record(QStringLiteral("D1"), 0);
    QString error;
    QVERIFY2(history.Add(record, &error), qPrintable(error));
    QVERIFY(history.DamagedCopy().startsWith(path + QStringLiteral(".damaged-")));
    QCOMPARE(ReadAll(history.DamagedCopy()), damage);
    QCOMPARE(history.Find(QString(), &error).size(), 1);
}

void TestProgrammingHistory::damageInTheMiddleIsFound_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("at open") << "open";
    QTest::newRow("by a search") << "find";
    QTest::newRow("by an insert") << "insert";
}

// 28 rows of a page each; three pages in the middle overwritten, or the
// table's first page, which an insert reads. The configuration log holds an
// older programming and the one being recorded.
void TestProgrammingHistory::damageInTheMiddleIsFound()
{
    QFETCH(QString, where);
    const QByteArray page(4096, '\xa5');
    ProgrammingRecord recording = Record(QStringLiteral("205170030199"), 99);
    recording.at = QDateTime::currentDateTimeUtc().addSecs(-5);
    ProgrammingRecord older = Record(QStringLiteral("205170030198"), 98);
    older.at = recording.at.addDays(-1);
    WriteLog(folder->path(), LogLine(older) + LogLine(recording));
    {
        ProgrammingHistory history(path);
        for (int index = 0; index < 28; ++index) {
            ProgrammingRecord record = Record(QStringLiteral("F1"), index);
            record.settings += QByteArray(3000, ' ');
            QString error;
            QVERIFY2(history.Add(record, &error), qPrintable(error));
        }
    }
    ProgrammingHistory history(path);
    QString error;
    if (where != QLatin1String("open"))
        QVERIFY2(history.Open(&error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pages = file.size() / page.size();
    for (qint64 index : where == QLatin1String("insert")
            ? QList<qint64> { 1 }
            : QList<qint64> { pages / 2 - 1, pages / 2, pages / 2 + 1 }) {
        QVERIFY(file.seek(index * page.size()) && file.write(page) == page.size());
    }
    file.close();
    // A write by another program makes the open connection read the file again.
    QVERIFY(OtherProgram(path).Run(QStringLiteral("PRAGMA user_version = 7")));

    if (where == QLatin1String("open")) {
        QVERIFY2(history.Open(&error), qPrintable(error));
    } else if (where == QLatin1String("find")) {
        QCOMPARE(history.Find(QString(), &error).size(), 0);
        QVERIFY(!error.isEmpty());
    } else {
        QVERIFY2(history.Add(recording, &error), qPrintable(error));
        QVERIFY(recording.id > 0);
    }
    QVERIFY(history.DamagedCopy().startsWith(path + QStringLiteral(".damaged-")));

    // Each programming once, also after the next start.
    ProgrammingHistory again(path);
    QVERIFY2(again.Open(&error), qPrintable(error));
    QStringList rows;
    for (const ProgrammingRecord& row : again.Find(QString(), &error))
        rows << row.serialNumber + QLatin1Char(' ') + row.source;
    QStringList expected { QStringLiteral("205170030199 configuration log"),
        QStringLiteral("205170030198 configuration log") };
    if (where == QLatin1String("insert"))
        expected.first() = QStringLiteral("205170030199 command line");
    QCOMPARE(rows, expected);
}

// Another program holds the write lock past the busy time-out: the row waits
// and is written once the lock is gone; one still waiting at the end goes to
// a side file, which the next start takes in once.
void TestProgrammingHistory::lockHeldPastTheTimeOutLosesNoRow()
{
    HistoryWriter writer(path);
    QString error;
    QVERIFY2(writer.History().Open(&error), qPrintable(error));
    QString file;
    for (int round = 0; round < 2; ++round) {
        auto other = std::make_unique<OtherProgram>(path);
        QVERIFY(other->Run(QStringLiteral("BEGIN IMMEDIATE")));
        ProgrammingRecord record = Record(QStringLiteral("L1"), round);
        QVERIFY(!writer.Add(record, &error));
        QCOMPARE(writer.Waiting(), 1);
        if (round == 0) {
            other.reset();
            QTRY_COMPARE_WITH_TIMEOUT(writer.Waiting(), 0, 20000);
        } else {
            QVERIFY2(writer.Finish(&file, &error), qPrintable(error));
        }
    }
    QVERIFY(QFile::exists(file));
    QCOMPARE(writer.History().Find(QString(), &error).size(), 1);
    for (int start = 0; start < 2; ++start) {
        ProgrammingHistory next(path);
        QVERIFY2(next.Open(&error), qPrintable(error));
        QCOMPARE(next.Find(QString(), &error).size(), 2);
    }
    QVERIFY(!QFile::exists(file));
}

// Programs open a new history at the same moment, round after round: each
// opens it, and the configuration log and a side file each go in once, each in
// one transaction that holds the write lock from its start.
void TestProgrammingHistory::programsOpeningTogetherTakeEachRowInOnce()
{
    QString lines;
    for (int index = 0; index < 500; ++index)
        lines += LogLine(Record(QStringLiteral("C%1").arg(index), index));
    for (int round = 0; round < 6; ++round) {
        const QString place = folder->filePath(QString::number(round));
        QVERIFY(QDir().mkpath(place));
        WriteLog(place, lines);
        const QString roundPath = place + QLatin1Char('/') + databaseName;
        QString file;
        QString error;
        QVERIFY2(PendingRows::Write(roundPath, { Record(QStringLiteral("K1"), 0) }, &file, &error), qPrintable(error));

        const qint64 moment = QDateTime::currentMSecsSinceEpoch() + 1000;
        std::vector<std::unique_ptr<QProcess>> programs;
        for (int index = 0; index < 5; ++index) {
            programs.push_back(std::make_unique<QProcess>());
            programs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            programs.back()->start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--open-at"), roundPath, QString::number(moment) });
        }
        for (auto& program : programs) {
            QVERIFY(program->waitForFinished(60000));
            QCOMPARE(program->exitCode(), 0);
        }
        ProgrammingHistory history(roundPath);
        QVERIFY2(history.Open(&error), qPrintable(error));
        QCOMPARE(history.Find(QString(), &error).size(), 501);
        QVERIFY(!QFile::exists(file));
    }
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 4 && QByteArray(argv[1]) == "--write-rows")
        return WriteRows(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && QByteArray(argv[1]) == "--open-at")
        return OpenAt(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    TestProgrammingHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestProgrammingHistory.moc"

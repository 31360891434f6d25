#include "history/ProgrammingHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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
    const QString data = folder->filePath(QStringLiteral("data"));
    if (readOnly) {
        QVERIFY(QDir().mkdir(data));
        QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile(data + QStringLiteral("/probe")).open(QIODevice::WriteOnly))
            QSKIP("this user may write into read-only folders");
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
    QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 4 && QByteArray(argv[1]) == "--write-rows")
        return WriteRows(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestProgrammingHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestProgrammingHistory.moc"

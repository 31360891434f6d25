#include "history/ProgrammingHistory.h"

#include "app/CompleteFile.h"
#include "app/CsvField.h"
#include "control/StateMachine.h"
#include "history/ConfigurationLogImport.h"
#include "profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

// Long enough for every other writer's single-row transaction to finish.
const int busyTimeoutMs = 5000;
const QString importedFact = QStringLiteral("configuration log imported");
const QString rowColumns = QStringLiteral("at, user, computer, serial_number, firmware, mmsi, vessel_name, "
                                          "call_sign, generation, verified, source, settings");

// Each object has its own connection, as a Qt SQL connection may serve only one user.
QString NewConnectionName()
{
    static std::atomic<int> made { 0 };
    return QStringLiteral("programming-history-%1").arg(++made);
}

// SQLite's codes for a file that is not a database, or one whose pages are damaged.
bool IsDamage(const QSqlError& failure)
{
    const QString code = failure.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

bool Run(QSqlQuery& query, QSqlError* failure)
{
    if (query.exec())
        return true;
    *failure = query.lastError();
    return false;
}

bool Run(const QSqlDatabase& database, const QString& sql, QSqlError* failure)
{
    QSqlQuery query(database);
    if (query.exec(sql))
        return true;
    *failure = query.lastError();
    return false;
}

bool Prepared(QSqlQuery& query, const QString& sql, QSqlError* failure)
{
    if (query.prepare(sql))
        return true;
    *failure = query.lastError();
    return false;
}

bool CreateTables(const QSqlDatabase& database, QSqlError* failure)
{
    const QString statements[] = {
        QStringLiteral("PRAGMA journal_mode=WAL"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS programming (id INTEGER PRIMARY KEY AUTOINCREMENT, "
            "at TEXT NOT NULL, user TEXT, computer TEXT, serial_number TEXT, firmware TEXT, mmsi TEXT, "
            "vessel_name TEXT, call_sign TEXT, generation INTEGER, verified INTEGER, source TEXT, "
            "settings BLOB)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS programming_at ON programming (at)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS facts (name TEXT PRIMARY KEY, value TEXT)"),
    };
    for (const QString& sql : statements) {
        if (!Run(database, sql, failure))
            return false;
    }
    return true;
}

// Opens the connection and makes the tables; the error when that failed.
QSqlError Prepare(const QString& connection, const QString& path)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!database.isValid()) {
        return QSqlError(ProgrammingHistory::tr("Qt's SQLite driver (QSQLITE) is not installed."), QString(),
            QSqlError::ConnectionError);
    }
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!database.open())
        return database.lastError();
    QSqlError failure;
    CreateTables(database, &failure);
    return failure;
}

void BindRow(QSqlQuery& query, const ProgrammingRecord& record)
{
    query.addBindValue(record.at.toUTC().toString(Qt::ISODateWithMs));
    query.addBindValue(record.user);
    query.addBindValue(record.computer);
    query.addBindValue(record.serialNumber);
    query.addBindValue(record.firmware);
    query.addBindValue(record.mmsi);
    query.addBindValue(record.vesselName);
    query.addBindValue(record.callSign);
    query.addBindValue(record.generation);
    query.addBindValue(record.verified ? 1 : 0);
    query.addBindValue(record.source);
    query.addBindValue(record.settings);
}

ProgrammingRecord ReadRow(const QSqlQuery& query)
{
    ProgrammingRecord record;
    record.id = query.value(0).toLongLong();
    record.at = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs).toUTC();
    record.user = query.value(2).toString();
    record.computer = query.value(3).toString();
    record.serialNumber = query.value(4).toString();
    record.firmware = query.value(5).toString();
    record.mmsi = query.value(6).toString();
    record.vesselName = query.value(7).toString();
    record.callSign = query.value(8).toString();
    record.generation = query.value(9).toInt();
    record.verified = query.value(10).toInt() != 0;
    record.source = query.value(11).toString();
    record.settings = query.value(12).toByteArray();
    return record;
}

// A LIKE pattern that finds the text anywhere, its own % and _ taken literally.
QString Containing(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

ProgrammingRecord ProgrammingHistory::RecordOf(const Profile& sent, bool verified, const QString& source)
{
    const ProfileOrigin& origin = sent.Origin();
    ProgrammingRecord record;
    record.at = origin.savedAt;
    record.user = origin.savedBy;
    record.computer = origin.computer;
    record.serialNumber = origin.serialNumber;
    record.firmware = origin.firmware;
    record.mmsi = sent.Mmsi();
    record.vesselName = sent.staticData().vesselName();
    record.callSign = sent.staticData().callSign();
    record.generation = origin.generation;
    record.verified = verified;
    record.source = source;
    record.settings = ProfileFile::ToJson(sent);
    return record;
}

QString ProgrammingHistory::DefaultPath()
{
    return QFileInfo(StateMachine::DefaultConfigurationLogPath()).absolutePath()
        + QStringLiteral("/programming-history.sqlite");
}

ProgrammingHistory::ProgrammingHistory(const QString& path)
    : path(path)
    , connection(NewConnectionName())
{
}

ProgrammingHistory::~ProgrammingHistory()
{
    Disconnect();
}

bool ProgrammingHistory::Fail(QString* error, const QString& what, const QString& why) const
{
    if (error)
        *error = tr("%1 (%2): %3").arg(what, QDir::toNativeSeparators(path), why);
    return false;
}

bool ProgrammingHistory::Open(QString* error)
{
    if (!open && !Connect(error))
        return false;
    const QString log
        = QFileInfo(path).dir().filePath(QFileInfo(StateMachine::DefaultConfigurationLogPath()).fileName());
    return ImportConfigurationLog(log, error);
}

bool ProgrammingHistory::Connect(QString* error)
{
    QSqlError failure = Prepare(connection, path);
    if (failure.type() != QSqlError::NoError && IsDamage(failure)) {
        Disconnect();
        if (!SetAside(error))
            return false;
        failure = Prepare(connection, path);
    }
    if (failure.type() != QSqlError::NoError) {
        Disconnect();
        return Fail(error, tr("The programming history cannot be opened"), failure.text());
    }
    open = true;
    return true;
}

// The damaged file keeps its write-ahead log beside it under the same new name.
bool ProgrammingHistory::SetAside(QString* error)
{
    Disconnect();
    const QString aside = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path, aside)) {
        return Fail(error, tr("The programming history is damaged and cannot be set aside"),
            tr("renaming it to %1 failed").arg(QDir::toNativeSeparators(aside)));
    }
    for (const QString& companion : { QStringLiteral("-wal"), QStringLiteral("-shm") }) {
        if (QFile::exists(path + companion))
            QFile::rename(path + companion, aside + companion);
    }
    damagedCopy = aside;
    return true;
}

void ProgrammingHistory::Disconnect()
{
    open = false;
    if (!QSqlDatabase::contains(connection))
        return;
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

bool ProgrammingHistory::Add(ProgrammingRecord& record, QString* error)
{
    // A configuration log that could not be taken in must not keep this row out.
    QString openError;
    if (!open && !Open(&openError) && !open) {
        if (error)
            *error = openError;
        return false;
    }
    if (!record.at.isValid())
        record.at = QDateTime::currentDateTimeUtc();
    QSqlError failure;
    qint64 id = Insert(record, &failure);
    if (id == 0 && IsDamage(failure)) {
        if (!SetAside(error) || !Connect(error))
            return false;
        id = Insert(record, &failure);
    }
    if (id == 0)
        return Fail(error, tr("The programming history could not be updated"), failure.text());
    record.id = id;
    return true;
}

qint64 ProgrammingHistory::Insert(const ProgrammingRecord& record, QSqlError* failure)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const QString sql
        = QStringLiteral("INSERT INTO programming (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
              .arg(rowColumns);
    if (!Prepared(query, sql, failure))
        return 0;
    BindRow(query, record);
    return Run(query, failure) ? query.lastInsertId().toLongLong() : 0;
}

QList<ProgrammingRecord> ProgrammingHistory::Find(const QString& text, QString* error) const
{
    QList<ProgrammingRecord> rows;
    if (!open) {
        Fail(error, tr("The programming history cannot be read"), tr("it is not open"));
        return rows;
    }
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    const QString sql
        = QStringLiteral("SELECT id, %1 FROM programming WHERE ? = '' OR mmsi LIKE ? ESCAPE '\\' "
                         "OR serial_number LIKE ? ESCAPE '\\' OR vessel_name LIKE ? ESCAPE '\\' "
                         "ORDER BY at DESC, id DESC")
              .arg(rowColumns);
    QSqlError failure;
    const bool prepared = Prepared(query, sql, &failure);
    const QString pattern = Containing(text);
    query.addBindValue(text);
    for (int column = 0; column < 3; ++column)
        query.addBindValue(pattern);
    if (!prepared || !Run(query, &failure)) {
        Fail(error, tr("The programming history cannot be read"), failure.text());
        return rows;
    }
    while (query.next())
        rows << ReadRow(query);
    return rows;
}

bool ProgrammingHistory::Imported(bool* done, QSqlError* failure) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!Prepared(query, QStringLiteral("SELECT value FROM facts WHERE name = ?"), failure))
        return false;
    query.addBindValue(importedFact);
    if (!Run(query, failure))
        return false;
    *done = query.next();
    return true;
}

bool ProgrammingHistory::ImportConfigurationLog(const QString& csvPath, QString* error)
{
    const QString what = tr("The configuration log could not be taken into the programming history");
    if (!open)
        return Fail(error, what, tr("it is not open"));
    bool done = false;
    QSqlError failure;
    if (!Imported(&done, &failure))
        return Fail(error, what, failure.text());
    if (done)
        return true;
    QList<ProgrammingRecord> records;
    QString readError;
    if (!ConfigurationLogImport::Read(csvPath, &records, &readError))
        return Fail(error, what, readError);
    return Import(records, &failure) || Fail(error, what, failure.text());
}

// One transaction, holding the write lock from its start, so that two
// programs opening a new database at once cannot both take the log in.
bool ProgrammingHistory::Import(const QList<ProgrammingRecord>& records, QSqlError* failure)
{
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    if (!Run(database, QStringLiteral("BEGIN IMMEDIATE"), failure))
        return false;
    if (TakeIn(records, failure))
        return Run(database, QStringLiteral("COMMIT"), failure);
    QSqlError ignored;
    Run(database, QStringLiteral("ROLLBACK"), &ignored);
    return false;
}

// Another program may have taken the log in since this one looked.
bool ProgrammingHistory::TakeIn(const QList<ProgrammingRecord>& records, QSqlError* failure)
{
    bool done = false;
    if (!Imported(&done, failure))
        return false;
    if (done)
        return true;
    for (const ProgrammingRecord& record : records) {
        if (Insert(record, failure) == 0)
            return false;
    }
    QSqlQuery fact(QSqlDatabase::database(connection, false));
    if (!Prepared(fact, QStringLiteral("INSERT INTO facts (name, value) VALUES (?, ?)"), failure))
        return false;
    fact.addBindValue(importedFact);
    fact.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    return Run(fact, failure);
}

QStringList ProgrammingHistory::ColumnTitles()
{
    return { tr("Time"), tr("MMSI"), tr("Vessel name"), tr("Call sign"), tr("Serial number"), tr("Firmware"),
        tr("Generation"), tr("Verified"), tr("User"), tr("Computer"), tr("Source") };
}

QStringList ProgrammingHistory::Texts(const ProgrammingRecord& record)
{
    return { record.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), record.mmsi,
        record.vesselName, record.callSign, record.serialNumber, record.firmware,
        record.generation > 0 ? QString::number(record.generation) : QString(),
        record.verified ? tr("yes") : tr("no"), record.user, record.computer, record.source };
}

bool ProgrammingHistory::ExportCsv(const QList<ProgrammingRecord>& rows, const QString& path, QString* error)
{
    QString text = CsvField::Line(ColumnTitles());
    for (const ProgrammingRecord& record : rows)
        text += CsvField::Line(Texts(record));
    return CompleteFile::Write(path, text.toUtf8(), error);
}

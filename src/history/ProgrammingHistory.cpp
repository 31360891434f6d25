#include "history/ProgrammingHistory.h"

#include "app/CompleteFile.h"
#include "app/CsvField.h"
#include "control/StateMachine.h"
#include "history/ConfigurationLogImport.h"
#include "history/PendingRows.h"
#include "profile/ProfileFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <atomic>

namespace {

// Long enough for every other writer's single-row transaction to finish.
const int busyTimeoutMs = 5000;
const QString importedFact = QStringLiteral("configuration log imported");
const QString rowColumns = QStringLiteral("at, user, computer, serial_number, firmware, mmsi, vessel_name, "
                                          "call_sign, generation, verified, source, settings, failure");
// How far apart the configuration log's row and the history's row of one
// programming may be in time.
const int sameProgrammingSeconds = 600;

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

QSqlError Damage(const QString& finding)
{
    return QSqlError(QString(), finding, QSqlError::StatementError, QStringLiteral("11"));
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
            "settings BLOB, failure TEXT)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS programming_at ON programming (at)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS facts (name TEXT PRIMARY KEY, value TEXT)"),
    };
    for (const QString& sql : statements) {
        if (!Run(database, sql, failure))
            return false;
    }
    return true;
}

bool HasFailureColumn(const QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.exec(QStringLiteral("PRAGMA table_info(programming)"));
    while (query.next()) {
        if (query.value(1).toString() == QLatin1String("failure"))
            return true;
    }
    return false;
}

// A database made before failures were kept lacks their column; another
// program may be adding it at the same moment.
bool AddFailureColumn(const QSqlDatabase& database, QSqlError* failure)
{
    return HasFailureColumn(database)
        || Run(database, QStringLiteral("ALTER TABLE programming ADD COLUMN failure TEXT"), failure)
        || HasFailureColumn(database);
}

// SQLite's own look through every page; damage it finds is told as damage.
bool Check(const QSqlDatabase& database, QSqlError* failure)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        *failure = query.lastError();
        return false;
    }
    const QString finding = query.next() ? query.value(0).toString() : QString();
    if (finding == QLatin1String("ok"))
        return true;
    *failure = query.lastError().type() != QSqlError::NoError ? query.lastError() : Damage(finding);
    return false;
}

// Opens the connection, checks the file and makes the tables; the error when that failed.
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
    const QDeadlineTimer deadline(busyTimeoutMs);
    while (!(Check(database, &failure) && CreateTables(database, &failure) && AddFailureColumn(database, &failure))) {
        // While another program turns a new file to write-ahead logging,
        // SQLite answers "locked" at once instead of waiting as for other
        // locks; programs opening a new history together meet this.
        if (failure.nativeErrorCode() != QLatin1String("5") || deadline.hasExpired())
            return failure;
        QThread::msleep(20);
    }
    return QSqlError();
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
    query.addBindValue(record.failure);
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
    record.failure = query.value(13).toString();
    return record;
}

// The rows until the last; a query that stops short of it is a failure.
bool ReadRows(QSqlQuery& query, QList<ProgrammingRecord>* rows, QSqlError* failure)
{
    while (query.next())
        rows->append(ReadRow(query));
    if (query.lastError().type() == QSqlError::NoError)
        return true;
    *failure = query.lastError();
    return false;
}

// The configuration log's row of the programming being recorded, written
// just before it: the newest of the same device and MMSI close in time.
void LeaveOut(QList<ProgrammingRecord>* records, const ProgrammingRecord& recording)
{
    for (int index = records->size() - 1; index >= 0; --index) {
        const ProgrammingRecord& row = records->at(index);
        if (row.serialNumber == recording.serialNumber && row.mmsi == recording.mmsi
            && qAbs(row.at.secsTo(recording.at)) <= sameProgrammingSeconds) {
            records->removeAt(index);
            return;
        }
    }
}

QString PendingFact(const QString& file)
{
    return QStringLiteral("pending rows taken in: ") + QFileInfo(file).fileName();
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

// The history stores where a programming came from in English words, which
// every program writing it shares; it shows them in the user's language.
QString SourceText(const QString& source)
{
    static const char* const known[] = { QT_TRANSLATE_NOOP("ProgrammingHistory", "window"),
        QT_TRANSLATE_NOOP("ProgrammingHistory", "command line"),
        QT_TRANSLATE_NOOP("ProgrammingHistory", "configuration log") };
    for (const char* word : known) {
        if (source == QLatin1String(word))
            return QCoreApplication::translate("ProgrammingHistory", word);
    }
    return source;
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
    const bool logTaken = ImportConfigurationLog(LogPath(), error);
    return ImportPending(error) && logTaken;
}

QString ProgrammingHistory::LogPath() const
{
    return QFileInfo(path).dir().filePath(QFileInfo(StateMachine::DefaultConfigurationLogPath()).fileName());
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
    if (id == 0 && Damaged(failure)) {
        if (!Rebuild(&record, error))
            return false;
        id = Insert(record, &failure);
    }
    if (id == 0)
        return Fail(error, tr("The programming history could not be updated"), failure.text());
    record.id = id;
    return true;
}

// The failure's own code, or the check of the whole file that follows any
// failure: damage that a query met is not always told as damage.
bool ProgrammingHistory::Damaged(const QSqlError& failure) const
{
    QSqlError finding;
    return IsDamage(failure)
        || (!Check(QSqlDatabase::database(connection, false), &finding) && IsDamage(finding));
}

// As for damage found at open: the file set aside and a fresh one opened in
// its place, but without the log's row of the programming being recorded,
// which is inserted after. What cannot be taken in now is tried next time.
bool ProgrammingHistory::Rebuild(const ProgrammingRecord* recording, QString* error)
{
    if (!SetAside(error) || !Connect(error))
        return false;
    QString later;
    ImportConfigurationLog(LogPath(), &later, recording);
    ImportPending(&later);
    return true;
}

qint64 ProgrammingHistory::Insert(const ProgrammingRecord& record, QSqlError* failure)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const QString sql
        = QStringLiteral("INSERT INTO programming (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
              .arg(rowColumns);
    if (!Prepared(query, sql, failure))
        return 0;
    BindRow(query, record);
    return Run(query, failure) ? query.lastInsertId().toLongLong() : 0;
}

QList<ProgrammingRecord> ProgrammingHistory::Find(const QString& text, QString* error)
{
    QList<ProgrammingRecord> rows;
    if (!open) {
        Fail(error, tr("The programming history cannot be read"), tr("it is not open"));
        return rows;
    }
    QSqlError failure;
    if (!Select(text, &rows, &failure)) {
        rows.clear();
        QString rebuildError;
        if (Damaged(failure))
            Rebuild(nullptr, &rebuildError);
        Fail(error, tr("The programming history cannot be read"), failure.text());
    }
    return rows;
}

bool ProgrammingHistory::Select(const QString& text, QList<ProgrammingRecord>* rows, QSqlError* failure) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    const QString sql
        = QStringLiteral("SELECT id, %1 FROM programming WHERE ? = '' OR mmsi LIKE ? ESCAPE '\\' "
                         "OR serial_number LIKE ? ESCAPE '\\' OR vessel_name LIKE ? ESCAPE '\\' "
                         "ORDER BY at DESC, id DESC")
              .arg(rowColumns);
    if (!Prepared(query, sql, failure))
        return false;
    const QString pattern = Containing(text);
    query.addBindValue(text);
    for (int column = 0; column < 3; ++column)
        query.addBindValue(pattern);
    return Run(query, failure) && ReadRows(query, rows, failure);
}

bool ProgrammingHistory::Imported(const QString& fact, bool* done, QSqlError* failure) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!Prepared(query, QStringLiteral("SELECT value FROM facts WHERE name = ?"), failure))
        return false;
    query.addBindValue(fact);
    if (!Run(query, failure))
        return false;
    *done = query.next();
    return true;
}

bool ProgrammingHistory::ImportConfigurationLog(
    const QString& csvPath, QString* error, const ProgrammingRecord* recording)
{
    const QString what = tr("The configuration log could not be taken into the programming history");
    if (!open)
        return Fail(error, what, tr("it is not open"));
    bool done = false;
    QSqlError failure;
    if (!Imported(importedFact, &done, &failure))
        return Fail(error, what, failure.text());
    if (done)
        return true;
    QList<ProgrammingRecord> records;
    QString readError;
    if (!ConfigurationLogImport::Read(csvPath, &records, &readError))
        return Fail(error, what, readError);
    if (recording)
        LeaveOut(&records, *recording);
    return Import(records, importedFact, &failure) || Fail(error, what, failure.text());
}

// Rows other programs kept aside when they could not write them; each file
// is taken in once, and removed after.
bool ProgrammingHistory::ImportPending(QString* error)
{
    const QString what = tr("Rows kept aside could not be taken into the programming history");
    for (const QString& file : PendingRows::Files(path)) {
        QList<ProgrammingRecord> records;
        QString readError;
        if (!PendingRows::Read(file, &records, &readError)) {
            // Another program may have taken it in and removed it meanwhile.
            if (!QFile::exists(file))
                continue;
            return Fail(error, what, readError);
        }
        QSqlError failure;
        if (!Import(records, PendingFact(file), &failure))
            return Fail(error, what, failure.text());
        QFile::remove(file);
    }
    return true;
}

// One transaction, holding the write lock from its start, so that two
// programs opening a database at once cannot both take the same rows in.
bool ProgrammingHistory::Import(
    const QList<ProgrammingRecord>& records, const QString& fact, QSqlError* failure)
{
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    if (!Run(database, QStringLiteral("BEGIN IMMEDIATE"), failure))
        return false;
    if (TakeIn(records, fact, failure))
        return Run(database, QStringLiteral("COMMIT"), failure);
    QSqlError ignored;
    Run(database, QStringLiteral("ROLLBACK"), &ignored);
    return false;
}

// Another program may have taken the rows in since this one looked.
bool ProgrammingHistory::TakeIn(
    const QList<ProgrammingRecord>& records, const QString& fact, QSqlError* failure)
{
    bool done = false;
    if (!Imported(fact, &done, failure))
        return false;
    if (done)
        return true;
    for (const ProgrammingRecord& record : records) {
        if (Insert(record, failure) == 0)
            return false;
    }
    QSqlQuery taken(QSqlDatabase::database(connection, false));
    if (!Prepared(taken, QStringLiteral("INSERT INTO facts (name, value) VALUES (?, ?)"), failure))
        return false;
    taken.addBindValue(fact);
    taken.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    return Run(taken, failure);
}

QStringList ProgrammingHistory::ColumnTitles()
{
    return { tr("Time"), tr("MMSI"), tr("Vessel name"), tr("Call sign"), tr("Serial number"), tr("Firmware"),
        tr("Generation"), tr("Verified"), tr("User"), tr("Computer"), tr("Source"), tr("Failure") };
}

QStringList ProgrammingHistory::Texts(const ProgrammingRecord& record)
{
    return { record.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), record.mmsi,
        record.vesselName, record.callSign, record.serialNumber, record.firmware,
        record.generation > 0 ? QString::number(record.generation) : QString(),
        record.verified ? tr("yes") : tr("no"), record.user, record.computer, SourceText(record.source),
        record.failure };
}

bool ProgrammingHistory::ExportCsv(const QList<ProgrammingRecord>& rows, const QString& path, QString* error)
{
    QString text = CsvField::Line(ColumnTitles());
    for (const ProgrammingRecord& record : rows)
        text += CsvField::Line(Texts(record));
    return CompleteFile::Write(path, text.toUtf8(), error);
}

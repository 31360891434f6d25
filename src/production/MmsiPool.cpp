#include "production/MmsiPool.h"

#include "history/ProgrammingRecord.h"
#include "model/MMSI.h"
#include "production/MmsiList.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace {

const char* const driver = "QPSQL";
const char* const undefinedTable = "42P01"; // the server's error code

// Each list of statements brings the tables from one version to the next.
const char* const schemaSteps[] = {
    R"(
CREATE TABLE pool_mmsi (
    mmsi text PRIMARY KEY CHECK (mmsi ~ '^[0-9]{9}$'),
    position bigserial NOT NULL,
    vessel_name text NOT NULL DEFAULT '',
    call_sign text NOT NULL DEFAULT '',
    state text NOT NULL DEFAULT 'free' CHECK (state IN ('free', 'reserved', 'done')),
    serial_number text UNIQUE,
    station text,
    reserved_at timestamptz,
    finished_at timestamptz,
    verification text,
    CHECK ((state = 'free') = (serial_number IS NULL))
);
CREATE INDEX pool_mmsi_free ON pool_mmsi (position) WHERE state = 'free';
CREATE TABLE pool_event (
    id bigserial PRIMARY KEY,
    at timestamptz NOT NULL DEFAULT now(),
    kind text NOT NULL CHECK (kind IN ('claim', 'resume', 'found', 'done', 'unverified', 'release')),
    mmsi text NOT NULL,
    serial_number text,
    station text NOT NULL,
    detail text NOT NULL DEFAULT ''
);
CREATE FUNCTION pool_event_append_only() RETURNS trigger LANGUAGE plpgsql AS
    $$BEGIN RAISE EXCEPTION 'pool_event is append-only'; END$$;
CREATE TRIGGER pool_event_append_only BEFORE UPDATE OR DELETE OR TRUNCATE ON pool_event
    FOR EACH STATEMENT EXECUTE FUNCTION pool_event_append_only();
CREATE TABLE pool_history (
    id bigserial PRIMARY KEY,
    at timestamptz NOT NULL,
    station text NOT NULL,
    user_name text NOT NULL,
    computer text NOT NULL,
    serial_number text NOT NULL,
    firmware text NOT NULL,
    mmsi text NOT NULL,
    vessel_name text NOT NULL,
    call_sign text NOT NULL,
    generation integer NOT NULL,
    verified boolean NOT NULL,
    settings text NOT NULL
);
)",
};
const int schemaVersion = static_cast<int>(sizeof(schemaSteps) / sizeof(schemaSteps[0]));

QString NewConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmora-pool-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A value as libpq's key=value form takes it.
QString Quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// Qt's driver builds libpq's key=value text from the parts, so the URI is
// taken apart here; its query keys go on as they are.
QString Configure(QSqlDatabase& database, const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres")))
        return MmsiPool::tr("\"%1\" is not a PostgreSQL URI (postgresql://user@host:port/database)").arg(url);
    if (!parsed.password().isEmpty())
        return MmsiPool::tr("the URI holds a password: give it in the password file (~/.pgpass) or with "
                            "--password-file instead, never on the command line");
    database.setHostName(parsed.host());
    database.setPort(parsed.port());
    database.setUserName(parsed.userName());
    database.setDatabaseName(parsed.path(QUrl::FullyDecoded).mid(1));
    QStringList options { QStringLiteral("connect_timeout=10") };
    for (const auto& item : QUrlQuery(parsed).queryItems(QUrl::FullyDecoded)) {
        if (item.first.contains(QLatin1Char(';')) || item.second.contains(QLatin1Char(';')))
            return MmsiPool::tr("the URI option \"%1\" holds a semicolon").arg(item.first);
        options << item.first + QLatin1Char('=') + Quoted(item.second);
    }
    database.setConnectOptions(options.join(QLatin1Char(';')));
    return QString();
}

QDateTime FromEpoch(const QVariant& seconds)
{
    return QDateTime::fromMSecsSinceEpoch(qRound64(seconds.toDouble() * 1000), Qt::UTC);
}

} // namespace

MmsiPool::MmsiPool(const QString& url, const QString& station)
    : m_url(url)
    , m_station(station)
    , m_connection(NewConnectionName())
{
}

MmsiPool::~MmsiPool()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void MmsiPool::SetPassword(const QString& password)
{
    m_password = password;
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).setPassword(password);
}

bool MmsiPool::Fail(QString* error, const QString& why)
{
    // The next call connects afresh: after a failure the connection may be gone.
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
    if (error)
        *error = tr("MMSI pool %1: %2").arg(m_url, why.simplified());
    return false;
}

bool MmsiPool::FailQuery(QString* error, const QSqlQuery& query)
{
    return Fail(error, query.lastError().text());
}

bool MmsiPool::Connect(QString* error)
{
    if (QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen())
        return true;
    if (!QSqlDatabase::isDriverAvailable(QLatin1String(driver)))
        return Fail(error, tr("Qt SQL's PostgreSQL driver is not installed (Debian: libqt5sql5-psql)"));
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase database = QSqlDatabase::addDatabase(QLatin1String(driver), m_connection);
        const QString problem = Configure(database, m_url);
        if (!problem.isEmpty()) {
            QSqlDatabase::removeDatabase(m_connection);
            return Fail(error, problem);
        }
        database.setPassword(m_password);
    }
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    if (!database.open())
        return Fail(error, database.lastError().text());
    return true;
}

// Qt's driver cannot run a prepared statement without values.
bool MmsiPool::Exec(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error)
{
    if (values.isEmpty())
        return query.exec(sql) || FailQuery(error, query);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() || FailQuery(error, query);
}

// Opens a transaction on tables of this program's version.
bool MmsiPool::Begin(QString* error)
{
    // A connection the server dropped since the last call is found out here,
    // before anything is done: then once more, afresh.
    QString dropped;
    if (!StartTransaction(&dropped) && !StartTransaction(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    const bool read = query.exec(QStringLiteral("SELECT version FROM pool_schema"));
    if (!read && query.lastError().nativeErrorCode() != QLatin1String(undefinedTable))
        return FailQuery(error, query);
    if (!read || !query.next())
        return Fail(error, tr("the database has no MMSI pool: \"velmora-cli pool init\" makes one"));
    const int version = query.value(0).toInt();
    if (version < schemaVersion)
        return Fail(
            error, tr("the pool's tables are of an older version: \"velmora-cli pool init\" upgrades them"));
    if (version > schemaVersion)
        return Fail(error, tr("the pool's tables are of a newer version than this velmora-cli knows"));
    return true;
}

bool MmsiPool::StartTransaction(QString* error)
{
    if (!Connect(error))
        return false;
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return database.transaction() || Fail(error, database.lastError().text());
}

bool MmsiPool::Commit(QString* error)
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return database.commit() || Fail(error, database.lastError().text());
}

bool MmsiPool::AddEvent(const QString& kind, const QString& mmsi, const QString& serialNumber,
    const QString& detail, QString* error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return Exec(query,
        QStringLiteral("INSERT INTO pool_event (kind, mmsi, serial_number, station, detail) "
                       "VALUES (?, ?, ?, ?, COALESCE(?, ''))"),
        { kind, mmsi, serialNumber, m_station, detail }, error);
}

bool MmsiPool::Init(QString* error)
{
    if (!StartTransaction(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // Two administrators running init at once take turns.
    const bool ready = Exec(query, QStringLiteral("SET LOCAL client_min_messages = warning"), {}, error)
        && Exec(query, QStringLiteral("SELECT pg_advisory_xact_lock(7261001)"), {}, error)
        && Exec(query, QStringLiteral("CREATE TABLE IF NOT EXISTS pool_schema (version integer NOT NULL)"),
            {}, error)
        && Exec(query, QStringLiteral("SELECT version FROM pool_schema"), {}, error);
    if (!ready)
        return false;
    const bool fresh = !query.next();
    const int version = fresh ? 0 : query.value(0).toInt();
    if (version > schemaVersion)
        return Fail(error, tr("the pool's tables are of a newer version than this velmora-cli knows"));
    for (int step = version; step < schemaVersion; ++step) {
        if (!query.exec(QLatin1String(schemaSteps[step])))
            return FailQuery(error, query);
    }
    const QString record = fresh ? QStringLiteral("INSERT INTO pool_schema (version) VALUES (?)")
                                 : QStringLiteral("UPDATE pool_schema SET version = ?");
    return Exec(query, record, { schemaVersion }, error) && Commit(error);
}

bool MmsiPool::Import(const MmsiList& list, QString* error)
{
    QStringList mmsis;
    for (int row = 0; row < list.Count(); ++row) {
        const MmsiListRow& entry = list.Row(row);
        if (!entry.serialNumber.isEmpty())
            return Fail(error,
                tr("%1: the MMSI %2 is already given to serial number %3 in the list; import only unused "
                   "rows")
                    .arg(list.Path(), entry.mmsi, entry.serialNumber));
        mmsis << entry.mmsi;
    }
    if (!Begin(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // Taken before the check, so that two imports at once cannot both pass it.
    const bool checked
        = Exec(query, QStringLiteral("LOCK TABLE pool_mmsi IN SHARE ROW EXCLUSIVE MODE"), {}, error)
        && Exec(query,
            QStringLiteral(
                "SELECT mmsi FROM pool_mmsi WHERE mmsi = ANY(string_to_array(?, ',')) ORDER BY mmsi"),
            { mmsis.join(QLatin1Char(',')) }, error);
    if (!checked)
        return false;
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    if (!present.isEmpty())
        return Fail(error,
            tr("%1: already in the pool, nothing imported: %2")
                .arg(list.Path(), present.join(QStringLiteral(", "))));
    query.prepare(QStringLiteral(
        "INSERT INTO pool_mmsi (mmsi, vessel_name, call_sign) VALUES (?, COALESCE(?, ''), COALESCE(?, ''))"));
    for (int row = 0; row < list.Count(); ++row) {
        const MmsiListRow& entry = list.Row(row);
        query.addBindValue(entry.mmsi);
        query.addBindValue(entry.vesselName.toUpper());
        query.addBindValue(entry.callSign.toUpper());
        if (!query.exec())
            return FailQuery(error, query);
    }
    return Commit(error);
}

bool MmsiPool::Status(MmsiPoolStatus* status, QString* error)
{
    if (!Begin(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!Exec(query, QStringLiteral("SELECT state, count(*) FROM pool_mmsi GROUP BY state"), {}, error))
        return false;
    *status = MmsiPoolStatus();
    while (query.next()) {
        const QString state = query.value(0).toString();
        const int count = query.value(1).toInt();
        (state == QLatin1String("free")          ? status->free
                : state == QLatin1String("done") ? status->done
                                                 : status->reserved)
            = count;
    }
    if (!Exec(query,
            QStringLiteral(
                "SELECT mmsi, serial_number, station, extract(epoch FROM reserved_at) FROM pool_mmsi "
                "WHERE state = 'reserved' ORDER BY reserved_at, mmsi"),
            {}, error))
        return false;
    while (query.next()) {
        status->reservations.append({ query.value(0).toString(), query.value(1).toString(),
            query.value(2).toString(), FromEpoch(query.value(3)) });
    }
    return Commit(error);
}

bool MmsiPool::Release(const QString& mmsi, const QString& reason, QString* error)
{
    if (!Begin(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!Exec(query, QStringLiteral("SELECT state, serial_number FROM pool_mmsi WHERE mmsi = ? FOR UPDATE"),
            { mmsi }, error))
        return false;
    if (!query.next())
        return Fail(error, tr("the MMSI %1 is not in the pool").arg(mmsi));
    const QString state = query.value(0).toString();
    const QString serial = query.value(1).toString();
    if (state != QLatin1String("reserved"))
        return Fail(
            error, tr("the MMSI %1 is %2, not reserved: only a reserved MMSI is released").arg(mmsi, state));
    return Exec(query,
               QStringLiteral("UPDATE pool_mmsi SET state = 'free', serial_number = NULL, station = NULL, "
                              "reserved_at = NULL, verification = NULL WHERE mmsi = ?"),
               { mmsi }, error)
        && AddEvent(QStringLiteral("release"), mmsi, serial, reason, error) && Commit(error);
}

bool MmsiPool::AddHistory(const ProgrammingRecord& record, QString* error)
{
    if (!Begin(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QDateTime at = record.at.isValid() ? record.at : QDateTime::currentDateTimeUtc();
    return Exec(query,
               QStringLiteral(
                   "INSERT INTO pool_history (at, station, user_name, computer, serial_number, firmware, "
                   "mmsi, vessel_name, call_sign, generation, verified, settings) VALUES "
                   "(to_timestamp(?), ?, COALESCE(?, ''), COALESCE(?, ''), COALESCE(?, ''), "
                   "COALESCE(?, ''), COALESCE(?, ''), COALESCE(?, ''), COALESCE(?, ''), ?, ?, COALESCE(?, "
                   "''))"),
               { at.toMSecsSinceEpoch() / 1000.0, m_station, record.user, record.computer,
                   record.serialNumber, record.firmware, record.mmsi, record.vesselName, record.callSign,
                   record.generation, record.verified, QString::fromUtf8(record.settings) },
               error)
        && Commit(error);
}

MmsiClaim MmsiPool::Claim(const QString& serialNumber, const QString& deviceMmsi)
{
    MmsiClaim claim;
    if (serialNumber.trimmed().isEmpty()) {
        claim.error = tr("A device without a serial number cannot be told apart on a later run.");
        return claim;
    }
    if (!Begin(&claim.error) || !ClaimIn(serialNumber.trimmed(), deviceMmsi.trimmed(), &claim, &claim.error)
        || !Commit(&claim.error)) {
        claim.kind = MmsiClaim::Kind::Failed;
    }
    return claim;
}

// Within the claim's transaction: the serial number's own row, else the
// device's MMSI, else the next free row.
bool MmsiPool::ClaimIn(
    const QString& serialNumber, const QString& deviceMmsi, MmsiClaim* claim, QString* error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!Exec(query,
            QStringLiteral("SELECT mmsi, vessel_name, call_sign, state FROM pool_mmsi "
                           "WHERE serial_number = ? FOR UPDATE"),
            { serialNumber }, error))
        return false;
    if (query.next()) {
        *claim = { MmsiClaim::Kind::Resume, query.value(0).toString(), query.value(1).toString(),
            query.value(2).toString(), QString() };
        if (query.value(3).toString() == QLatin1String("done")) {
            claim->kind = MmsiClaim::Kind::AlreadyProgrammed;
            return true;
        }
        return AddEvent(QStringLiteral("resume"), claim->mmsi, serialNumber, QString(), error);
    }
    MMSI held;
    held.setText(deviceMmsi);
    return held.isUnset() ? TakeFree(serialNumber, claim, error)
                          : TakeFound(serialNumber, deviceMmsi, claim, error);
}

// A device that already carries a free MMSI of the pool keeps it, recorded as
// done. Any other MMSI it carries is refused: the device cannot be made to
// drop it.
bool MmsiPool::TakeFound(const QString& serialNumber, const QString& mmsi, MmsiClaim* claim, QString* error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!Exec(query, QStringLiteral("SELECT state, serial_number FROM pool_mmsi WHERE mmsi = ? FOR UPDATE"),
            { mmsi }, error))
        return false;
    *claim = { MmsiClaim::Kind::Refused, mmsi, QString(), QString(), QString() };
    if (!query.next()) {
        claim->error = tr("the device already holds the MMSI %1, which is not in the pool").arg(mmsi);
        return true;
    }
    if (query.value(0).toString() != QLatin1String("free")) {
        claim->error = tr("the device holds the MMSI %1, which the pool gives to the serial number %2")
                           .arg(mmsi, query.value(1).toString());
        return true;
    }
    claim->kind = MmsiClaim::Kind::FoundOnDevice;
    const QString foundText = QStringLiteral("found on the device");
    return Exec(query,
               QStringLiteral("UPDATE pool_mmsi SET state = 'done', serial_number = ?, station = ?, "
                              "reserved_at = now(), finished_at = now(), verification = ? WHERE mmsi = ?"),
               { serialNumber, m_station, foundText, mmsi }, error)
        && AddEvent(QStringLiteral("found"), mmsi, serialNumber, foundText, error);
}

bool MmsiPool::TakeFree(const QString& serialNumber, MmsiClaim* claim, QString* error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!Exec(query,
            QStringLiteral(
                "UPDATE pool_mmsi SET state = 'reserved', serial_number = ?, station = ?, "
                "reserved_at = now() WHERE mmsi = (SELECT mmsi FROM pool_mmsi WHERE state = 'free' "
                "ORDER BY position LIMIT 1 FOR UPDATE SKIP LOCKED) "
                "RETURNING mmsi, vessel_name, call_sign"),
            { serialNumber, m_station }, error))
        return false;
    if (!query.next()) {
        *claim = { MmsiClaim::Kind::Exhausted, QString(), QString(), QString(), QString() };
        return true;
    }
    *claim = { MmsiClaim::Kind::Take, query.value(0).toString(), query.value(1).toString(),
        query.value(2).toString(), QString() };
    return AddEvent(QStringLiteral("claim"), claim->mmsi, serialNumber, QString(), error);
}

bool MmsiPool::Finish(const QString& serialNumber, bool verified, QString* error)
{
    if (!Begin(error))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QString state = verified ? QStringLiteral("done") : QStringLiteral("reserved");
    const QString verification = verified ? QStringLiteral("verified") : QStringLiteral("not verified");
    if (!Exec(query,
            QStringLiteral("UPDATE pool_mmsi SET state = ?, verification = ?, "
                           "finished_at = CASE WHEN ? = 'done' THEN now() END "
                           "WHERE serial_number = ? AND state = 'reserved' RETURNING mmsi"),
            { state, verification, state, serialNumber.trimmed() }, error))
        return false;
    if (!query.next())
        return Fail(error, tr("the serial number %1 holds no reserved MMSI").arg(serialNumber));
    const QString kind = verified ? QStringLiteral("done") : QStringLiteral("unverified");
    return AddEvent(kind, query.value(0).toString(), serialNumber.trimmed(), QString(), error)
        && Commit(error);
}

int MmsiPool::FreeCount(QString* error)
{
    MmsiPoolStatus status;
    return Status(&status, error) ? status.free : -1;
}

QStringList MmsiPool::Unfinished(QString* error)
{
    MmsiPoolStatus status;
    QStringList lines;
    if (!Status(&status, error))
        return lines;
    for (const MmsiPoolReservation& row : status.reservations) {
        if (row.station == m_station)
            lines << tr("MMSI %1: serial number %2, station %3, reserved %4")
                         .arg(row.mmsi, row.serialNumber, row.station, row.reservedAt.toString(Qt::ISODate));
    }
    return lines;
}

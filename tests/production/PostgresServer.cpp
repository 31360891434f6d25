#include "PostgresServer.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString binaries = QStringLiteral("/usr/lib/postgresql/15/bin/");
const char* const serverUser = "postgres";
const int waitMs = 30000;

QString Bin(const char* name)
{
    return binaries + QLatin1String(name);
}

} // namespace

PostgresServer::PostgresServer(int lifetimeSeconds)
    : m_lifetimeSeconds(lifetimeSeconds)
{
    if (geteuid() == 0) {
        const passwd* user = getpwnam(serverUser);
        if (!user || chown(m_dir.path().toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0) {
            qWarning("The user postgres cannot have %s: the server will not start", qPrintable(m_dir.path()));
        }
    }
}

PostgresServer::~PostgresServer()
{
    QString ignored;
    Stop(&ignored);
}

QStringList PostgresServer::AsServerUser(const QStringList& command) const
{
    if (geteuid() != 0) {
        return command;
    }
    return QStringList { QStringLiteral("runuser"), QStringLiteral("-u"), QLatin1String(serverUser),
        QStringLiteral("--") }
    + command;
}

int PostgresServer::Run(const QStringList& command, QString* output)
{
    const QStringList full = AsServerUser(command);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(full.first(), full.mid(1));
    if (!process.waitForFinished(waitMs)) {
        process.kill();
        process.waitForFinished(waitMs);
        *output = full.join(QLatin1Char(' ')) + QStringLiteral(": did not end in time");
        return -1;
    }
    *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool PostgresServer::Start(QString* error)
{
    const QString data = m_dir.filePath(QStringLiteral("data"));
    if (!m_made) {
        const QStringList initdb { Bin("initdb"), QStringLiteral("-D"), data, QStringLiteral("-U"),
            QStringLiteral("velmora"), QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
            QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync") };
        if (Run(initdb, error) != 0) {
            return false;
        }
        m_made = true;
    }
    // The server ends (a fast shutdown) when its standard input does: when
    // Stop() closes it, or when this program ends in any way; and at the
    // latest after its lifetime.
    const QStringList server = AsServerUser(
        { QStringLiteral("timeout"), QStringLiteral("-s"), QStringLiteral("INT"), QStringLiteral("-k"),
            QStringLiteral("20"), QString::number(m_lifetimeSeconds), QStringLiteral("sh"),
            QStringLiteral("-c"), QStringLiteral("\"$0\" \"$@\" & cat > /dev/null; kill -INT $!; wait"),
            Bin("postgres"), QStringLiteral("-D"), data, QStringLiteral("-k"), m_dir.path(),
            QStringLiteral("-F"), QStringLiteral("-c"), QStringLiteral("listen_addresses="),
            QStringLiteral("-c"), QStringLiteral("max_connections=40") });
    m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("server.log")), QIODevice::Append);
    m_server.setStandardErrorFile(m_dir.filePath(QStringLiteral("server.log")), QIODevice::Append);
    m_server.start(server.first(), server.mid(1));
    const QStringList ready { Bin("pg_isready"), QStringLiteral("-h"), m_dir.path(), QStringLiteral("-t"),
        QString::number(waitMs / 1000) };
    for (int tries = 0; tries < 100; ++tries) {
        if (Run(ready, error) == 0) {
            return true;
        }
        if (m_server.state() == QProcess::NotRunning) {
            break;
        }
        m_server.waitForFinished(100);
    }
    *error += QStringLiteral("\nthe server did not start; its log is in ") + m_dir.path();
    m_dir.setAutoRemove(false);
    return false;
}

bool PostgresServer::Stop(QString* error)
{
    if (m_server.state() == QProcess::NotRunning) {
        return true;
    }
    m_server.closeWriteChannel();
    if (m_server.waitForFinished(waitMs)) {
        return true;
    }
    Run({ Bin("pg_ctl"), QStringLiteral("stop"), QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
            QStringLiteral("-m"), QStringLiteral("immediate") },
        error);
    m_server.waitForFinished(waitMs);
    return false;
}

bool PostgresServer::Query(const QString& database, const QString& sql, QStringList* rows, QString* error)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("postgres-server-%1").arg(counter.fetchAndAddRelaxed(1));
    bool done = false;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        connection.setHostName(m_dir.path());
        connection.setUserName(QStringLiteral("velmora"));
        connection.setDatabaseName(database);
        done = connection.open();
        QSqlQuery query(connection);
        done = done && query.exec(sql);
        while (done && rows && query.next()) {
            rows->append(query.value(0).toString());
        }
        if (!done) {
            *error = connection.lastError().text() + query.lastError().text();
        }
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

QString PostgresServer::CreateDatabase(const QString& name, QString* error)
{
    const QString sql = QStringLiteral("CREATE DATABASE %1").arg(name);
    return Query(QStringLiteral("postgres"), sql, nullptr, error) ? Url(name) : QString();
}

QString PostgresServer::Url(const QString& database, const QString& user) const
{
    return QStringLiteral("postgresql://%1@/%2?host=%3").arg(user, database, m_dir.path());
}

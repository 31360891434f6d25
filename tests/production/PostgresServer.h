#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own for the pool's tests and benchmark: a fresh
// cluster in a temporary folder, reached only through a Unix socket there,
// with the superuser "velmora" and no password. The server ends with the
// program that started it, however that ends (the destructor stops it; a
// crash or a kill closes its standard input), and at the latest after its
// lifetime. As root it runs as the user postgres, since the server refuses
// to run as root.
class PostgresServer {
public:
    explicit PostgresServer(int lifetimeSeconds = 600);
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Makes the cluster on the first call; a stopped server starts again on
    // the same data.
    bool Start(QString* error);
    bool Stop(QString* error);
    // A new database, empty; its URI.
    QString CreateDatabase(const QString& name, QString* error);
    // Statements run as the superuser in the database; rows, when given, get
    // the first column of the rows of the last one.
    bool Query(const QString& database, const QString& sql, QStringList* rows, QString* error);
    QString Url(const QString& database, const QString& user = QStringLiteral("velmora")) const;

private:
    int Run(const QStringList& command, QString* output);
    QStringList AsServerUser(const QStringList& command) const;

    int m_lifetimeSeconds;
    QTemporaryDir m_dir;
    QProcess m_server;
    bool m_made = false;
};

#pragma once

#include "production/MmsiSource.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QVariantList>
#include <QVector>

class MmsiList;
class QSqlQuery;
struct ProgrammingRecord;

// One reserved row of the pool, as the status shows it.
struct MmsiPoolReservation {
    QString mmsi;
    QString serialNumber;
    QString station;
    QDateTime reservedAt; // UTC
};

struct MmsiPoolStatus {
    int free = 0;
    int reserved = 0;
    int done = 0;
    QVector<MmsiPoolReservation> reservations; // oldest first
};

// The MMSIs of a factory on a PostgreSQL server that several programming
// stations share. Each claim, finish and release is one transaction that is
// committed before the call returns, and every one of them is also written to
// an append-only event table with the station and the time. A station needs
// only to select and update pool rows and to add events and history rows;
// creating the tables and importing MMSIs is for an administrator's role.
//
// The connection is made on first use and made again after any failure, so a
// server that went away and came back is used again by the next call.
class MmsiPool : public MmsiSource {
    Q_DECLARE_TR_FUNCTIONS(MmsiPool)

public:
    // url: postgresql://user@host:port/database?key=value..., host=/folder
    // for a Unix socket. A password in the URL is refused: libpq reads the
    // password file itself, or SetPassword gives one. station names this
    // machine in the pool's rows and events.
    MmsiPool(const QString& url, const QString& station);
    ~MmsiPool() override;
    MmsiPool(const MmsiPool&) = delete;
    MmsiPool& operator=(const MmsiPool&) = delete;

    void SetPassword(const QString& password);

    // Creates the tables, or brings those of an older version up to date;
    // nothing to do when they are current.
    bool Init(QString* error);
    // Every row of the list, free; all or nothing. A row the list already
    // gives to a device, or an MMSI the pool already holds, is refused by name.
    bool Import(const MmsiList& list, QString* error);
    bool Status(MmsiPoolStatus* status, QString* error);
    // Frees a reserved row for an operator, who has made sure its device does
    // not carry the MMSI; the reason goes into the event.
    bool Release(const QString& mmsi, const QString& reason, QString* error);
    // A programming row for the factory's history beside the pool.
    bool AddHistory(const ProgrammingRecord& record, QString* error);

    MmsiClaim Claim(const QString& serialNumber, const QString& deviceMmsi) override;
    bool Finish(const QString& serialNumber, bool verified, QString* error) override;
    int FreeCount(QString* error) override;
    // This station's reservations: the other stations answer for theirs.
    QStringList Unfinished(QString* error) override;

private:
    bool Connect(QString* error);
    bool Begin(QString* error);
    bool StartTransaction(QString* error);
    bool Commit(QString* error);
    bool Fail(QString* error, const QString& why);
    bool FailQuery(QString* error, const QSqlQuery& query);
    bool Exec(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error);
    bool AddEvent(const QString& kind, const QString& mmsi, const QString& serialNumber,
        const QString& detail, QString* error);
    bool ClaimIn(const QString& serialNumber, const QString& deviceMmsi, MmsiClaim* claim, QString* error);
    bool TakeFree(const QString& serialNumber, MmsiClaim* claim, QString* error);
    bool TakeFound(const QString& serialNumber, const QString& mmsi, MmsiClaim* claim, QString* error);

    QString m_url;
    QString m_station;
    QString m_password;
    QString m_connection;
};

#pragma once

#include "history/ProgrammingRecord.h"
#include "profile/Profile.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>

// The database of every programming, in the data folder beside the
// configuration log. Several objects in one process and several processes
// (production ports, the window) may write at once: the database runs in WAL
// mode with a busy time-out, and each row is one transaction. Nothing here
// throws or waits for the user: a database that cannot be opened or written
// makes the call return false with a message, and a damaged file (as SQLite's
// check finds it at open and after any failed query) is renamed aside, never
// deleted, and a fresh one is made in its place.
class ProgrammingHistory {
    Q_DECLARE_TR_FUNCTIONS(ProgrammingHistory)

public:
    // "programming-history.sqlite" in the data folder.
    static QString DefaultPath();
    explicit ProgrammingHistory(const QString& path = DefaultPath());
    ~ProgrammingHistory();
    ProgrammingHistory(const ProgrammingHistory&) = delete;
    ProgrammingHistory& operator=(const ProgrammingHistory&) = delete;

    // Opens the database, making it and its tables when new, and takes in the
    // configuration log beside it once and the rows other programs kept aside
    // (PendingRows). False with a message when the database cannot be used,
    // or when those could not be taken in: the database is open all the same
    // then, and they are tried again next time.
    bool Open(QString* error);
    // Stores the record and sets its id; opens the database first if needed.
    bool Add(ProgrammingRecord& record, QString* error);
    // Newest first. An empty text matches every row, else the rows whose MMSI,
    // serial number or vessel name holds the text (case-insensitive). Rows
    // that cannot all be read are an error and no rows; a damaged file is
    // then set aside as at open.
    QList<ProgrammingRecord> Find(const QString& text, QString* error);
    // Once per database: the rows of the configuration log become history
    // rows, unverified, with the source "configuration log". The log's row of
    // recording, a programming about to be added, is left out.
    bool ImportConfigurationLog(
        const QString& csvPath, QString* error, const ProgrammingRecord* recording = nullptr);
    // Where a damaged database was renamed to by this object; empty if none.
    QString DamagedCopy() const { return damagedCopy; }

    // The row for a programming: sent is what was written, its origin naming
    // the device, the user and the time.
    static ProgrammingRecord RecordOf(const Profile& sent, bool verified, const QString& source);
    // The columns a user sees of a row, and a row's texts in them.
    static QStringList ColumnTitles();
    static QStringList Texts(const ProgrammingRecord& record);
    // Where a programming came from ("window", "command line", ...), in the
    // reader's language.
    static QString SourceText(const QString& source);
    // The rows as CSV, in the columns above; a complete file or nothing.
    static bool ExportCsv(const QList<ProgrammingRecord>& rows, const QString& path, QString* error);

private:
    QString LogPath() const;
    bool Connect(QString* error);
    bool SetAside(QString* error);
    void Disconnect();
    bool Damaged(const QSqlError& failure) const;
    bool Rebuild(const ProgrammingRecord* recording, QString* error);
    qint64 Insert(const ProgrammingRecord& record, QSqlError* failure);
    bool Select(const QString& text, QList<ProgrammingRecord>* rows, QSqlError* failure) const;
    bool ImportPending(QString* error);
    bool Import(const QList<ProgrammingRecord>& records, const QString& fact, QSqlError* failure);
    bool TakeIn(const QList<ProgrammingRecord>& records, const QString& fact, QSqlError* failure);
    bool Imported(const QString& fact, bool* done, QSqlError* failure) const;
    bool Fail(QString* error, const QString& what, const QString& why) const;

    QString path;
    QString connection;
    QString damagedCopy;
    bool open = false;
};

#pragma once

#include "history/HistoryWriter.h"
#include "profile/Profile.h"

#include <QCoreApplication>
#include <QString>

class CliOutput;
class MmsiPool;

// Keeps what velmora-cli programmed: a row in the programming history for
// every write, and the owner's certificate of a verified one when a folder
// for them is given. Rows the history could not take wait; those still
// waiting at the end are kept in a side file, told on standard output.
class ProgrammingRecorder {
    Q_DECLARE_TR_FUNCTIONS(ProgrammingRecorder)

public:
    ProgrammingRecorder(const QString& certificateFolder, CliOutput& output);
    ~ProgrammingRecorder();
    ProgrammingRecorder(const ProgrammingRecorder&) = delete;
    ProgrammingRecorder& operator=(const ProgrammingRecorder&) = delete;

    // Before any device is written: a certificate folder that is asked for
    // must take files. False with the reason.
    bool CertificateFolderUsable(QString* error) const;

    // A history that cannot be written is told on standard error and does not
    // fail the programming; a certificate asked for and not written does
    // (false, with the reason). certificate gets the file written, if any.
    bool Record(const Profile& sent, bool verified, QString* certificate, QString* error);
    // A write cut off before its read-back: a row, unverified, with the failure.
    void RecordUnverified(const Profile& sent, const QString& failure);
    // A pool station's rows also go to the pool's database, so that one
    // query shows the factory's day; one that cannot be written is told.
    void AlsoRecordIn(MmsiPool* pool) { m_pool = pool; }

private:
    void AddToHistory(ProgrammingRecord& record);
    void AddToPool(const ProgrammingRecord& record);

    QString m_certificateFolder;
    CliOutput& m_output;
    HistoryWriter m_history;
    MmsiPool* m_pool = nullptr;
};

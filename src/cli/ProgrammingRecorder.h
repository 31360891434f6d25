#pragma once

#include "history/ProgrammingHistory.h"
#include "profile/Profile.h"

#include <QCoreApplication>
#include <QString>

class CliOutput;
class MmsiPool;

// Keeps what velmora-cli programmed: a row in the programming history for
// every write, and the owner's certificate of a verified one when a folder
// for them is given.
class ProgrammingRecorder {
    Q_DECLARE_TR_FUNCTIONS(ProgrammingRecorder)

public:
    ProgrammingRecorder(const QString& certificateFolder, CliOutput& output);

    // A history that cannot be written is told on standard error and does not
    // fail the programming; a certificate asked for and not written does
    // (false, with the reason). certificate gets the file written, if any.
    bool Record(const Profile& sent, bool verified, QString* certificate, QString* error);
    // A pool station's rows also go to the pool's database, so that one
    // query shows the factory's day; one that cannot be written is told.
    void AlsoRecordIn(MmsiPool* pool) { m_pool = pool; }

private:
    void AddToHistory(ProgrammingRecord& record);
    void AddToPool(const ProgrammingRecord& record);

    QString m_certificateFolder;
    CliOutput& m_output;
    ProgrammingHistory m_history;
    MmsiPool* m_pool = nullptr;
};

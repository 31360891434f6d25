#pragma once

#include "history/ProgrammingRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Rows a program could not write into the programming history before it
// ended, kept in side files beside the database for the next program that
// opens it. Each file is written whole by one program under a name of its
// own, so programs ending at once never share one.
class PendingRows {
    Q_DECLARE_TR_FUNCTIONS(PendingRows)

public:
    // Writes the rows to a new side file of the database; file names it.
    static bool Write(
        const QString& databasePath, const QList<ProgrammingRecord>& rows, QString* file, QString* error);
    // The side files waiting beside the database, oldest first.
    static QStringList Files(const QString& databasePath);
    static bool Read(const QString& file, QList<ProgrammingRecord>* rows, QString* error);
};

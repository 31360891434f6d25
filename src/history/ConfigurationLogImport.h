#pragma once

#include "history/ProgrammingRecord.h"

#include <QList>
#include <QString>

// Reads the rows of the configuration log (the CSV that LogFile writes) as
// programming records, for the history to take them in.
class ConfigurationLogImport {
public:
    // False with a message when the file exists but cannot be read; a missing
    // file holds no rows. Lines that are not rows (the header, a row cut off)
    // are passed over.
    static bool Read(const QString& path, QList<ProgrammingRecord>* records, QString* error);

private:
    static bool ToRecord(const QStringList& fields, ProgrammingRecord* record);
};

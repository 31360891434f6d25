#pragma once

#include "history/ProgrammingRecord.h"

#include <QCoreApplication>
#include <QString>

class QPainter;
class QPrinter;

// A one-page certificate for the boat owner: vessel data, MMSI, serial number
// and firmware, the main settings as sent, date, user, computer, and whether
// the write was verified. One drawing serves the PDF file and the printer.
// Fonts need a QGuiApplication (the offscreen platform will do).
class ProgrammingCertificate {
    Q_DECLARE_TR_FUNCTIONS(ProgrammingCertificate)

public:
    // Writes an A4 PDF: the whole file or, with a message, nothing.
    static bool WritePdf(const ProgrammingRecord& record, const QString& path, QString* error);
    static void Print(const ProgrammingRecord& record, QPrinter* printer);
    // "<mmsi>-<serial>-<yyyyMMdd-HHmmss>.pdf", the time in UTC.
    static QString FileName(const ProgrammingRecord& record);

private:
    static void Draw(const ProgrammingRecord& record, QPainter& painter);
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fields of CSV lines (RFC 4180). A field holding the separator, a quote
// or a line end is quoted, so that a text such as "SEA, BREEZE" stays in its
// own column; every other field is written exactly as it is.
class CsvField {
public:
    static QString Quoted(const QString& text);
    // The fields quoted where needed, joined, and ended with CR LF.
    static QString Line(const QStringList& fields);
    // Splits text into lines of fields. Quoted fields may hold separators,
    // doubled quotes and line ends; blank lines are left out.
    static QList<QStringList> Split(const QString& text);
};

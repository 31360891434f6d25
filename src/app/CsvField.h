#pragma once

#include <QString>

// One field of a CSV line (RFC 4180). A field holding the separator, a quote
// or a line end is quoted, so that a text such as "SEA, BREEZE" stays in its
// own column; every other field is written exactly as it is.
class CsvField {
public:
    static QString Quoted(const QString& text);
};

#pragma once

#include "voyage/VoyageRecord.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

#include <functional>

class QIODevice;
class QXmlStreamWriter;

// Writes the voyage log as CSV or as KML 2.2. The file at the chosen name is
// replaced only once the new one is complete; a failed export leaves whatever
// was there before. Numbers are written with a decimal point in any locale.
class VoyageLogExport {
    Q_DECLARE_TR_FUNCTIONS(VoyageLogExport)

public:
    using Records = QVector<VoyageRecord>;

    static const QString kmlNamespace;

    // The names of the CSV columns, which the voyage page's table shows too.
    static QStringList csvHeaders();

    // One line of headers, then one line per record; every value is followed
    // by a comma.
    static bool writeCsv(const QString& fileName, const QStringList& headers, const Records& records);
    // A track through every located record, then a point for each of them.
    static bool writeKml(const QString& fileName, const Records& records);

    // The name after the last slash or backslash.
    static QString fileNameOnly(const QString& fileName);
    // That name up to its last ".", or the whole of it when it has none.
    static QString trackName(const QString& fileName);
    // The name an export is written to: the chosen one, with the format's
    // extension added when it ends in another or none (log.csv -> log.csv.kml),
    // so that the name never claims a format the file is not in.
    static QString withExtension(const QString& fileName, const QString& extension);
    // The text shown with a point: speed, course, battery and the alerts.
    static QString pointDescription(const VoyageRecord& record);

private:
    static bool save(const QString& fileName, bool text, const std::function<bool(QIODevice&)>& write);
    static QString csvLine(const VoyageRecord& record);
    static void writeKmlHeader(QXmlStreamWriter& xml, const QString& fileName);
    static void writeTrack(QXmlStreamWriter& xml, const QString& fileName, const Records& records);
    static void writePoint(QXmlStreamWriter& xml, const VoyageRecord& record);
    static QString coordinates(const VoyageRecord& record);
    static QString yesNo(bool set);
};

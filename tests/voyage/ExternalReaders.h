#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The exports read back by programs that share no code with ours: the OGC
// KML 2.2 schema through xmllint, GDAL's ogrinfo and Python's csv module.
// Each answers an empty error when the file passed, else what went wrong,
// a missing tool or schema included, so that no check passes by being
// skipped.
namespace ExternalReaders {

struct Result {
    QString error;
    QByteArray output;
};

inline Result Run(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        return { program + QStringLiteral(" is not installed (scripts/install-deps.sh installs it)"), {} };
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return { program + QStringLiteral(" failed: ") + QString::fromUtf8(process.readAllStandardError()),
            {} };
    }
    return { QString(), process.readAllStandardOutput() };
}

inline QString KmlSchema()
{
    return QStringLiteral(TESTDATA_DIR "/kml-schema/ogckml22.xsd");
}

inline QString ValidateKml(const QString& fileName)
{
    if (!QFile::exists(KmlSchema())) {
        return QStringLiteral("the KML 2.2 schema is missing: ") + KmlSchema();
    }
    return Run(QStringLiteral("xmllint"),
        { QStringLiteral("--nonet"), QStringLiteral("--noout"), QStringLiteral("--schema"), KmlSchema(),
            fileName })
        .error;
}

// The geometries ogrinfo lists, in file order, as its WKT lines.
inline Result KmlGeometries(const QString& fileName, QStringList* geometries)
{
    const Result listing
        = Run(QStringLiteral("ogrinfo"), { QStringLiteral("-ro"), QStringLiteral("-al"), fileName });
    const QRegularExpression geometry(
        QStringLiteral("^\\s*((?:LINESTRING|POINT)[^\\n]*)$"), QRegularExpression::MultilineOption);
    for (auto it = geometry.globalMatch(QString::fromUtf8(listing.output)); it.hasNext();) {
        *geometries << it.next().captured(1).trimmed();
    }
    return listing;
}

// The rows Python's csv module reads, each a list of fields.
inline Result CsvRows(const QString& fileName, QJsonArray* rows)
{
    const Result read
        = Run(QStringLiteral("python3"), { QStringLiteral(VOYAGE_TEST_DIR "/read_csv.py"), fileName });
    *rows = QJsonDocument::fromJson(read.output).array();
    return read;
}

} // namespace ExternalReaders

#include "history/PendingRows.h"

#include "app/CompleteFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>

namespace {

const QString infix = QStringLiteral(".pending-");
const QString suffix = QStringLiteral(".json");

QJsonObject ToJson(const ProgrammingRecord& record)
{
    return { { QStringLiteral("at"), record.at.toUTC().toString(Qt::ISODateWithMs) },
        { QStringLiteral("user"), record.user }, { QStringLiteral("computer"), record.computer },
        { QStringLiteral("serialNumber"), record.serialNumber },
        { QStringLiteral("firmware"), record.firmware }, { QStringLiteral("mmsi"), record.mmsi },
        { QStringLiteral("vesselName"), record.vesselName }, { QStringLiteral("callSign"), record.callSign },
        { QStringLiteral("generation"), record.generation }, { QStringLiteral("verified"), record.verified },
        { QStringLiteral("source"), record.source },
        { QStringLiteral("settings"), QString::fromLatin1(record.settings.toBase64()) },
        { QStringLiteral("failure"), record.failure } };
}

ProgrammingRecord FromJson(const QJsonObject& json)
{
    ProgrammingRecord record;
    record.at = QDateTime::fromString(json.value(QStringLiteral("at")).toString(), Qt::ISODateWithMs).toUTC();
    record.user = json.value(QStringLiteral("user")).toString();
    record.computer = json.value(QStringLiteral("computer")).toString();
    record.serialNumber = json.value(QStringLiteral("serialNumber")).toString();
    record.firmware = json.value(QStringLiteral("firmware")).toString();
    record.mmsi = json.value(QStringLiteral("mmsi")).toString();
    record.vesselName = json.value(QStringLiteral("vesselName")).toString();
    record.callSign = json.value(QStringLiteral("callSign")).toString();
    record.generation = json.value(QStringLiteral("generation")).toInt();
    record.verified = json.value(QStringLiteral("verified")).toBool();
    record.source = json.value(QStringLiteral("source")).toString();
    record.settings = QByteArray::fromBase64(json.value(QStringLiteral("settings")).toString().toLatin1());
    record.failure = json.value(QStringLiteral("failure")).toString();
    return record;
}

} // namespace

bool PendingRows::Write(
    const QString& databasePath, const QList<ProgrammingRecord>& rows, QString* file, QString* error)
{
    static std::atomic<int> written { 0 };
    QJsonArray array;
    for (const ProgrammingRecord& record : rows)
        array.append(ToJson(record));
    // The time first, so that the names sort oldest first; the process and a
    // count make the name this program's own.
    *file = databasePath + infix
        + QStringLiteral("%1-%2-%3")
              .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz")))
              .arg(QCoreApplication::applicationPid())
              .arg(++written)
        + suffix;
    return CompleteFile::Write(*file, QJsonDocument(array).toJson(QJsonDocument::Compact), error);
}

QStringList PendingRows::Files(const QString& databasePath)
{
    const QFileInfo database(databasePath);
    QStringList files;
    const QStringList names = database.dir().entryList(
        { database.fileName() + infix + QLatin1Char('*') + suffix }, QDir::Files, QDir::Name);
    for (const QString& name : names)
        files << database.dir().filePath(name);
    return files;
}

bool PendingRows::Read(const QString& file, QList<ProgrammingRecord>* rows, QString* error)
{
    QFile source(file);
    QJsonParseError parse;
    const QJsonDocument document
        = QJsonDocument::fromJson(source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray(), &parse);
    if (!document.isArray()) {
        *error = tr("The rows kept in %1 cannot be read: %2")
                     .arg(QDir::toNativeSeparators(file),
                         source.error() != QFileDevice::NoError ? source.errorString() : parse.errorString());
        return false;
    }
    for (const QJsonValue& row : document.array())
        rows->append(FromJson(row.toObject()));
    return true;
}

#include "history/ConfigurationLogImport.h"

#include "app/CsvField.h"
#include "control/StateMachine.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The log's columns, as LogFile writes them.
enum Column { Time, Date, User, Computer, Serial, Version, Mmsi, VesselName, CallSign, ColumnCount };

} // namespace

bool ConfigurationLogImport::Read(const QString& path, QList<ProgrammingRecord>* records, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate(
            "ConfigurationLogImport", "Cannot read the configuration log %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    for (const QStringList& fields : CsvField::Split(QString::fromUtf8(file.readAll()))) {
        ProgrammingRecord record;
        if (ToRecord(fields, &record))
            records->append(record);
    }
    return true;
}

// The log keeps local time, and only the vessel's identity of the settings.
bool ConfigurationLogImport::ToRecord(const QStringList& fields, ProgrammingRecord* record)
{
    if (fields.size() < ColumnCount)
        return false;
    const QDate date = QDate::fromString(fields.at(Date), QStringLiteral("dd/MM/yyyy"));
    const QTime time = QTime::fromString(fields.at(Time), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return false;
    record->at = QDateTime(date, time, Qt::LocalTime).toUTC();
    record->user = fields.at(User);
    record->computer = fields.at(Computer);
    record->serialNumber = fields.at(Serial);
    record->firmware = fields.at(Version);
    record->mmsi = fields.at(Mmsi);
    record->vesselName = fields.at(VesselName);
    record->callSign = fields.at(CallSign);
    record->generation = StateMachine::DeviceTypeFor(record->firmware);
    record->verified = false;
    record->source = QStringLiteral("configuration log");
    return true;
}

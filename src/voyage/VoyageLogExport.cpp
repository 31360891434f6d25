#include "voyage/VoyageLogExport.h"

#include "app/CsvField.h"

#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const QString logDescription = QStringLiteral("AIS Identifier Voyage Data Log");

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString general(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

const QString VoyageLogExport::kmlNamespace = QStringLiteral("http://www.opengis.net/kml/2.2");

QStringList VoyageLogExport::csvHeaders()
{
    return { tr("Date"), tr("Time"), tr("Latitude"), tr("Longitude"), tr("SOG"), tr("COG"), tr("Bat. volts"),
        tr("Off bracket"), tr("SOS"), tr("Geofence"), tr("Power fail"), tr("ID error") };
}

bool VoyageLogExport::save(const QString& fileName, bool text, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    const QIODevice::OpenMode mode = text ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly;
    if (!file.open(mode)) {
        return false;
    }
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool VoyageLogExport::writeCsv(const QString& fileName, const QStringList& headers, const Records& records)
{
    return save(fileName, true, [&](QIODevice& device) {
        QTextStream out(&device);
        out.setCodec("UTF-8");
        for (const QString& header : headers) {
            out << CsvField::Quoted(header) << ',';
        }
        out << '\n';
        for (const VoyageRecord& record : records) {
            out << csvLine(record) << '\n';
        }
        out.flush();
        return out.status() == QTextStream::Ok;
    });
}

QString VoyageLogExport::csvLine(const VoyageRecord& record)
{
    const QStringList values { record.date, record.time,
        record.hasLatitude() ? fixed(record.latitude, 6) : QString(),
        record.hasLongitude() ? fixed(record.longitude, 6) : QString(),
        record.hasSog() ? fixed(record.sog, 1) : QString(),
        record.hasCog() ? fixed(record.cog, 1) : QString(), fixed(record.batteryVolts, 2),
        yesNo(record.offBracket), yesNo(record.sos), yesNo(record.geofence), yesNo(record.powerFail),
        yesNo(record.idError) };
    QString line;
    for (const QString& value : values) {
        line += CsvField::Quoted(value) + QLatin1Char(',');
    }
    return line;
}

bool VoyageLogExport::writeKml(const QString& fileName, const Records& records)
{
    return save(fileName, false, [&](QIODevice& device) {
        QXmlStreamWriter xml(&device);
        xml.setAutoFormatting(true);
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("kml"));
        xml.writeDefaultNamespace(kmlNamespace);
        xml.writeStartElement(QStringLiteral("Document"));
        writeKmlHeader(xml, fileName);
        writeTrack(xml, fileName, records);
        for (const VoyageRecord& record : records) {
            if (record.hasPosition()) {
                writePoint(xml, record);
            }
        }
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndDocument();
        return !xml.hasError();
    });
}

void VoyageLogExport::writeKmlHeader(QXmlStreamWriter& xml, const QString& fileName)
{
    xml.writeTextElement(QStringLiteral("name"), fileNameOnly(fileName));
    xml.writeTextElement(QStringLiteral("description"), logDescription);
    xml.writeStartElement(QStringLiteral("Style"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("pathstyle"));
    xml.writeStartElement(QStringLiteral("LineStyle"));
    xml.writeTextElement(QStringLiteral("color"), QStringLiteral("7f00ff00"));
    xml.writeTextElement(QStringLiteral("width"), QStringLiteral("4"));
    xml.writeEndElement();
    xml.writeEndElement();
}

void VoyageLogExport::writeTrack(QXmlStreamWriter& xml, const QString& fileName, const Records& records)
{
    QString vertices;
    for (const VoyageRecord& record : records) {
        if (record.hasPosition()) {
            vertices += coordinates(record);
        }
    }
    xml.writeStartElement(QStringLiteral("Placemark"));
    xml.writeTextElement(QStringLiteral("name"), trackName(fileName));
    xml.writeTextElement(QStringLiteral("description"), logDescription);
    xml.writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#pathstyle"));
    xml.writeStartElement(QStringLiteral("LineString"));
    xml.writeTextElement(QStringLiteral("extrude"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("clampToGround"));
    xml.writeTextElement(QStringLiteral("coordinates"), vertices);
    xml.writeEndElement();
    xml.writeEndElement();
}

void VoyageLogExport::writePoint(QXmlStreamWriter& xml, const VoyageRecord& record)
{
    xml.writeStartElement(QStringLiteral("Placemark"));
    xml.writeTextElement(QStringLiteral("name"), record.date + QLatin1Char(' ') + record.time);
    // Character data: the line breaks are escaped in the file and become
    // markup again in the viewer's balloon.
    xml.writeTextElement(QStringLiteral("description"), pointDescription(record));
    xml.writeStartElement(QStringLiteral("Point"));
    xml.writeTextElement(QStringLiteral("coordinates"), coordinates(record));
    xml.writeEndElement();
    xml.writeEndElement();
}

QString VoyageLogExport::coordinates(const VoyageRecord& record)
{
    return QStringLiteral("%1,%2,0 ").arg(fixed(record.longitude, 6), fixed(record.latitude, 6));
}

QString VoyageLogExport::pointDescription(const VoyageRecord& record)
{
    return (record.hasSog() ? tr("SOG: %1<br/>").arg(general(record.sog)) : tr("SOG: --<br/>"))
        + (record.hasCog() ? tr("COG: %1<br/>").arg(general(record.cog)) : tr("COG: --<br/>"))
        + tr("VBatt: %1<br/>").arg(general(record.batteryVolts))
        + tr("Off Bracket: %1<br/>").arg(yesNo(record.offBracket))
        + tr("SOS Alert: %1<br/>").arg(yesNo(record.sos))
        + tr("GeoFence Alert: %1<br/>").arg(yesNo(record.geofence))
        + tr("Power Fail Alert: %1<br/>").arg(yesNo(record.powerFail))
        + tr("ID Error Alert: %1").arg(yesNo(record.idError));
}

QString VoyageLogExport::fileNameOnly(const QString& fileName)
{
    const int separator
        = std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    return fileName.mid(separator + 1);
}

QString VoyageLogExport::trackName(const QString& fileName)
{
    const QString name = fileNameOnly(fileName);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString VoyageLogExport::withExtension(const QString& fileName, const QString& extension)
{
    const QString name = fileNameOnly(fileName);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const bool matches = dot >= 0 && name.mid(dot + 1).compare(extension, Qt::CaseInsensitive) == 0;
    return matches ? fileName : fileName + QLatin1Char('.') + extension;
}

QString VoyageLogExport::yesNo(bool set)
{
    return set ? tr("Yes") : tr("No");
}

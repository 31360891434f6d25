#include "production/MmsiList.h"

#include "app/CompleteFile.h"
#include "app/CsvField.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace {

const int columnCount = 6;
const QString header = QStringLiteral("mmsi,name,call_sign,serial_number,state,programmed_utc");
const QString noMmsi = QStringLiteral("000000000");

QString Tr(const char* text)
{
    return QCoreApplication::translate("MmsiList", text);
}

struct CsvRecord {
    int line = 1; // where the record starts
    QStringList fields;
};

bool AllDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool IsMmsi(const QString& text)
{
    return text.size() == 9 && AllDigits(text);
}

bool IsBlank(const CsvRecord& record)
{
    for (const QString& field : record.fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

// Splits RFC 4180 text into records, blank ones left out. A line ends with CRLF, LF or a lone CR
// (spreadsheets write all three); a quoted field may hold separators and line ends. False with
// the line and the reason for the first record that cannot be read.
bool SplitRecords(const QString& text, QVector<CsvRecord>* records, int* badLine, QString* why)
{
    const QChar quote = QLatin1Char('"');
    const int size = text.size();
    CsvRecord record;
    QString field;
    bool inQuotes = false;
    bool closedQuote = false; // the field was quoted and its quote is closed
    int line = 1;
    auto endField = [&]() {
        record.fields << field;
        field.clear();
        closedQuote = false;
    };
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool crlf = c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n');
        const bool lineEnd = c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crlf);
        if (inQuotes) {
            if (c != quote) {
                field += c;
            } else if (i + 1 < size && text.at(i + 1) == quote) {
                field += quote;
                ++i;
            } else {
                inQuotes = false;
                closedQuote = true;
            }
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (lineEnd) {
            endField();
            if (!IsBlank(record))
                records->append(record);
            record = CsvRecord { line + 1, {} };
        } else if (crlf) {
            // the LF that follows ends the line
        } else if (c == quote && !closedQuote && field.trimmed().isEmpty()) {
            field.clear();
            inQuotes = true;
        } else if (closedQuote && !c.isSpace()) {
            *badLine = line;
            *why = Tr("text after the closing quote of a field");
            return false;
        } else if (!closedQuote) {
            field += c;
        }
        if (lineEnd)
            ++line;
    }
    if (inQuotes) {
        *badLine = record.line;
        *why = Tr("a quoted field is not closed");
        return false;
    }
    endField();
    if (!IsBlank(record))
        records->append(record);
    return true;
}

// The row a record describes, or a reason when it cannot be one.
QString ReadRow(const CsvRecord& record, MmsiListRow* row)
{
    if (record.fields.size() > columnCount)
        return Tr("more than %1 columns (%2)").arg(columnCount).arg(header);
    QStringList fields = record.fields;
    for (QString& field : fields)
        field = field.trimmed();
    while (fields.size() < columnCount)
        fields << QString();
    row->mmsi = fields.at(0);
    row->vesselName = fields.at(1);
    row->callSign = fields.at(2);
    row->serialNumber = fields.at(3);
    row->state = fields.at(4).toLower();
    if (!IsMmsi(row->mmsi))
        return Tr("the MMSI \"%1\" is not nine digits").arg(row->mmsi);
    if (!row->state.isEmpty() && row->state != MmsiList::Reserved && row->state != MmsiList::Done)
        return Tr("the state \"%1\" is none of \"%2\", \"%3\" or empty")
            .arg(fields.at(4), MmsiList::Reserved, MmsiList::Done);
    if (row->serialNumber.isEmpty() != row->state.isEmpty())
        return Tr("a serial number and a state go together: one of them is missing");
    if (!fields.at(5).isEmpty()) {
        row->programmedAt = QDateTime::fromString(fields.at(5), Qt::ISODate).toUTC();
        if (!row->programmedAt.isValid())
            return Tr("the time \"%1\" is not a date and time (ISO 8601)").arg(fields.at(5));
    }
    return QString();
}

// The line of the first character that was not UTF-8 in the file, 0 when all was.
int LineOfBadText(const QString& text)
{
    const int at = text.indexOf(QChar(QChar::ReplacementCharacter));
    return at < 0 ? 0 : text.leftRef(at).count(QLatin1Char('\n')) + 1;
}

bool Refuse(const QString& path, int line, const QString& why, QString* error)
{
    if (error)
        *error = Tr("%1, line %2: %3").arg(path).arg(line).arg(why);
    return false;
}

} // namespace

const QString MmsiList::Reserved = QStringLiteral("reserved");
const QString MmsiList::Done = QStringLiteral("done");

bool MmsiList::Load(const QString& path, MmsiList* list, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    if (const int line = LineOfBadText(text))
        return Refuse(path, line, Tr("the text is not UTF-8; save the list as UTF-8 CSV"), error);
    QVector<CsvRecord> records;
    int badLine = 0;
    QString why;
    if (!SplitRecords(text, &records, &badLine, &why))
        return Refuse(path, badLine, why, error);
    if (!records.isEmpty() && !AllDigits(records.first().fields.first().trimmed()))
        records.removeFirst();
    MmsiList loaded;
    loaded.m_path = path;
    QHash<QString, int> lineOfMmsi;
    QHash<QString, int> lineOfSerial;
    for (const CsvRecord& record : records) {
        MmsiListRow row;
        why = ReadRow(record, &row);
        if (why.isEmpty() && lineOfMmsi.contains(row.mmsi))
            why = Tr("the MMSI %1 is listed twice (first on line %2)")
                      .arg(row.mmsi)
                      .arg(lineOfMmsi[row.mmsi]);
        if (why.isEmpty() && lineOfSerial.contains(row.serialNumber))
            why = Tr("the serial number %1 already holds the MMSI on line %2")
                      .arg(row.serialNumber)
                      .arg(lineOfSerial[row.serialNumber]);
        if (!why.isEmpty())
            return Refuse(path, record.line, why, error);
        lineOfMmsi.insert(row.mmsi, record.line);
        if (!row.serialNumber.isEmpty())
            lineOfSerial.insert(row.serialNumber, record.line);
        loaded.m_rows << row;
    }
    *list = loaded;
    return true;
}

bool MmsiList::Save(QString* error) const
{
    QString text = header + QStringLiteral("\r\n");
    for (const MmsiListRow& row : m_rows) {
        const QString time = row.programmedAt.isValid() ? row.programmedAt.toString(Qt::ISODate) : QString();
        const QStringList fields { row.mmsi, row.vesselName, row.callSign, row.serialNumber, row.state,
            time };
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField::Quoted(field);
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return CompleteFile::Write(m_path, text.toUtf8(), error);
}

MmsiList::Decision MmsiList::ClaimFor(const QString& serialNumber, const QString& deviceMmsi)
{
    const QString serial = serialNumber.trimmed();
    if (serial.isEmpty())
        return {};
    const int own = RowOf(serial);
    if (own >= 0)
        return { m_rows.at(own).state == Done ? Claim::AlreadyProgrammed : Claim::Resume, own };
    const QString held = deviceMmsi.trimmed();
    const int carried = held.isEmpty() || held == noMmsi ? -1 : RowWithMmsi(held);
    if (carried >= 0)
        return { Claim::CarriesListMmsi, carried };
    const int unused = RowOf(QString());
    if (unused < 0)
        return {};
    m_rows[unused].serialNumber = serial;
    m_rows[unused].state = Reserved;
    return { Claim::Take, unused };
}

void MmsiList::MarkDone(int row, const QDateTime& when)
{
    m_rows[row].state = Done;
    m_rows[row].programmedAt = QDateTime::fromSecsSinceEpoch(when.toSecsSinceEpoch(), Qt::UTC);
}

const MmsiListRow& MmsiList::Row(int row) const
{
    return m_rows.at(row);
}

int MmsiList::Count() const
{
    return m_rows.size();
}

int MmsiList::Unused() const
{
    return static_cast<int>(std::count_if(
        m_rows.cbegin(), m_rows.cend(), [](const MmsiListRow& row) { return row.serialNumber.isEmpty(); }));
}

QString MmsiList::Path() const
{
    return m_path;
}

int MmsiList::RowOf(const QString& serialNumber) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).serialNumber == serialNumber)
            return i;
    }
    return -1;
}

int MmsiList::RowWithMmsi(const QString& mmsi) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).mmsi == mmsi)
            return i;
    }
    return -1;
}

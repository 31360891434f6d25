#include "production/MmsiList.h"

#include "app/CompleteFile.h"
#include "app/CsvField.h"
#include "model/MMSI.h"
#include "model/SettingRules.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLockFile>
#include <QStringList>

#include <algorithm>

namespace {

const int lockWaitMs = 10000;

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

// The columns the program knows, by their names in the header.
enum Column {
    MmsiColumn,
    NameColumn,
    CallSignColumn,
    SerialColumn,
    StateColumn,
    ProgrammedColumn,
    ReservedColumn,
    NoteColumn,
    ColumnCount
};
const char* const columnNames[ColumnCount]
    = { "mmsi", "name", "call_sign", "serial_number", "state", "programmed_utc", "reserved_utc", "note" };
// A list without a header has these first columns in this order.
const int headerlessColumns = ProgrammedColumn + 1;

// The known column a header field names ("Call sign" too), -1 for none.
int KnownColumn(const QString& name)
{
    QString key = name.trimmed().toLower();
    key.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (int column = 0; column < ColumnCount; ++column) {
        if (key == QLatin1String(columnNames[column]))
            return column;
    }
    return -1;
}

bool NamesColumns(const CsvRecord& record)
{
    return std::any_of(record.fields.cbegin(), record.fields.cend(),
        [](const QString& field) { return KnownColumn(field) >= 0; });
}

// Which known column each field of the file is (-1: another), and the columns to save.
QString ReadHeader(const CsvRecord& header, QVector<int>* layout, QStringList* columns)
{
    for (const QString& field : header.fields) {
        const int column = KnownColumn(field);
        if (column >= 0 && layout->contains(column))
            return Tr("the column \"%1\" is named twice").arg(QLatin1String(columnNames[column]));
        *layout << column;
        *columns << (column >= 0 ? QLatin1String(columnNames[column]) : field.trimmed());
    }
    if (!layout->contains(MmsiColumn))
        return Tr("the header names no \"mmsi\" column");
    return QString();
}

QDateTime ReadTime(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

QString TimeText(const QDateTime& time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QString FieldText(const MmsiListRow& row, int column)
{
    switch (column) {
    case MmsiColumn:
        return row.mmsi;
    case NameColumn:
        return row.vesselName;
    case CallSignColumn:
        return row.callSign;
    case SerialColumn:
        return row.serialNumber;
    case StateColumn:
        return row.state;
    case ProgrammedColumn:
        return TimeText(row.programmedAt);
    case ReservedColumn:
        return TimeText(row.reservedAt);
    default:
        return row.note;
    }
}

QString TextProblem(const QString& what, const QString& text, int length)
{
    const QString problem = SettingRules::AisTextProblem(text.toUpper(), length);
    return problem.isEmpty() ? QString() : Tr("the %1 \"%2\": %3").arg(what, text, problem);
}

// The row a record describes, or a reason when it cannot be one.
QString ReadRow(const CsvRecord& record, const QVector<int>& layout, MmsiListRow* row)
{
    if (record.fields.size() > layout.size())
        return Tr("more than %1 columns").arg(layout.size());
    QString known[ColumnCount];
    for (int i = 0; i < layout.size(); ++i) {
        const QString field = i < record.fields.size() ? record.fields.at(i) : QString();
        if (layout.at(i) >= 0)
            known[layout.at(i)] = field.trimmed();
        else
            row->others << field;
    }
    row->mmsi = known[MmsiColumn];
    row->vesselName = known[NameColumn];
    row->callSign = known[CallSignColumn];
    row->serialNumber = known[SerialColumn];
    row->state = known[StateColumn].toLower();
    row->note = known[NoteColumn];
    MMSI mmsi;
    mmsi.setText(row->mmsi);
    if (!IsMmsi(row->mmsi))
        return Tr("the MMSI \"%1\" is not nine digits").arg(row->mmsi);
    if (mmsi.isUnset())
        return Tr("the MMSI %1 means \"not programmed\" to the device").arg(row->mmsi);
    if (!row->state.isEmpty() && row->state != MmsiList::Reserved && row->state != MmsiList::Done)
        return Tr("the state \"%1\" is none of \"%2\", \"%3\" or empty")
            .arg(known[StateColumn], MmsiList::Reserved, MmsiList::Done);
    if (row->serialNumber.isEmpty() != row->state.isEmpty())
        return Tr("a serial number and a state go together: one of them is missing");
    for (const int column : { ProgrammedColumn, ReservedColumn }) {
        const QDateTime time = ReadTime(known[column]);
        if (!known[column].isEmpty() && !time.isValid())
            return Tr("the time \"%1\" is not a date and time (ISO 8601)").arg(known[column]);
        (column == ProgrammedColumn ? row->programmedAt : row->reservedAt) = time;
    }
    const QString text = TextProblem(Tr("name"), row->vesselName, SettingRules::VesselNameLength);
    return text.isEmpty() ? TextProblem(Tr("call sign"), row->callSign, SettingRules::CallSignLength) : text;
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

// Now, to the second, as the file keeps it.
QDateTime Now()
{
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
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
    MmsiList loaded;
    loaded.m_path = path;
    QVector<int> layout;
    if (!records.isEmpty() && NamesColumns(records.first())) {
        why = ReadHeader(records.first(), &layout, &loaded.m_columns);
        if (!why.isEmpty())
            return Refuse(path, records.first().line, why, error);
        records.removeFirst();
    } else {
        for (int column = 0; column < headerlessColumns; ++column) {
            layout << column;
            loaded.m_columns << QLatin1String(columnNames[column]);
        }
    }
    // Fields past the header's names keep the meaning their place has in a list without one.
    int widest = 0;
    for (const CsvRecord& record : qAsConst(records))
        widest = std::max(widest, record.fields.size());
    for (int column = layout.size(); column < std::min(widest, headerlessColumns) && !layout.contains(column);
         ++column) {
        layout << column;
        loaded.m_columns << QLatin1String(columnNames[column]);
    }
    for (int column = 0; column < ColumnCount; ++column) {
        if (!layout.contains(column))
            loaded.m_columns << QLatin1String(columnNames[column]);
    }
    if (records.isEmpty()) {
        if (error)
            *error = Tr("%1 holds no MMSI.").arg(path);
        return false;
    }
    QHash<QString, int> lineOfMmsi;
    QHash<QString, int> lineOfSerial;
    for (const CsvRecord& record : records) {
        MmsiListRow row;
        why = ReadRow(record, layout, &row);
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
    QString text = CsvField::Line(m_columns);
    for (const MmsiListRow& row : m_rows) {
        QStringList fields;
        int other = 0;
        for (const QString& name : m_columns) {
            const int column = KnownColumn(name);
            fields << (column >= 0 ? FieldText(row, column) : row.others.value(other++));
        }
        text += CsvField::Line(fields);
    }
    return CompleteFile::Write(m_path, text.toUtf8(), error);
}

MmsiClaim MmsiList::Claim(const QString& serialNumber, const QString& deviceMmsi)
{
    MmsiClaim claim;
    if (serialNumber.trimmed().isEmpty()) {
        claim.error = Tr("A device without a serial number cannot be told apart on a later run.");
        return claim;
    }
    QString error;
    const bool recorded = Change(
        [&]() {
            claim = Decide(serialNumber.trimmed(), deviceMmsi.trimmed());
            return claim.kind == MmsiClaim::Kind::Take || claim.kind == MmsiClaim::Kind::FoundOnDevice;
        },
        &error);
    if (!recorded) {
        claim = MmsiClaim();
        claim.error = error;
    }
    return claim;
}

bool MmsiList::Finish(const QString& serialNumber, bool verified, QString* error)
{
    // An unverified write leaves the row reserved, as it is in the file.
    if (!verified)
        return true;
    bool held = false;
    const bool saved = Change(
        [&]() {
            const int row = RowOf(serialNumber.trimmed());
            held = row >= 0;
            if (!held || m_rows.at(row).state == Done)
                return false;
            m_rows[row].state = Done;
            m_rows[row].programmedAt = Now();
            return true;
        },
        error);
    if (saved && !held && error)
        *error = Tr("%1 no longer holds a row for the serial number %2.").arg(m_path, serialNumber);
    return saved && held;
}

int MmsiList::FreeCount(QString* error)
{
    if (!Load(m_path, this, error))
        return -1;
    return static_cast<int>(std::count_if(
        m_rows.cbegin(), m_rows.cend(), [](const MmsiListRow& row) { return row.serialNumber.isEmpty(); }));
}

QStringList MmsiList::Unfinished(QString* error)
{
    QStringList lines;
    if (!Load(m_path, this, error))
        return lines;
    for (const MmsiListRow& row : qAsConst(m_rows)) {
        if (row.state == Reserved)
            lines << Tr("MMSI %1, serial number %2, reserved %3")
                         .arg(row.mmsi, row.serialNumber, TimeText(row.reservedAt));
    }
    return lines;
}

const MmsiListRow& MmsiList::Row(int row) const
{
    return m_rows.at(row);
}

int MmsiList::Count() const
{
    return m_rows.size();
}

QString MmsiList::Path() const
{
    return m_path;
}

bool MmsiList::Change(const std::function<bool()>& change, QString* error)
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    // A lock left by a run that was killed names a process that is gone and is taken over at
    // once; a live one is held only while a row changes.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(lockWaitMs)) {
        if (error)
            *error = lock.error() == QLockFile::LockFailedError
                ? Tr("The MMSI list %1 is held by another program (lock file %1.lock).").arg(m_path)
                : Tr("Cannot create the lock file %1.lock beside the MMSI list.").arg(m_path);
        return false;
    }
    return Load(m_path, this, error) && (!change() || Save(error));
}

MmsiClaim MmsiList::Decide(const QString& serialNumber, const QString& deviceMmsi)
{
    const int own = RowOf(serialNumber);
    if (own >= 0)
        return Record(
            own, m_rows.at(own).state == Done ? MmsiClaim::Kind::AlreadyProgrammed : MmsiClaim::Kind::Resume);
    MMSI held;
    held.setText(deviceMmsi);
    if (!held.isUnset()) {
        const int row = RowWithMmsi(deviceMmsi);
        MmsiClaim refused;
        refused.kind = MmsiClaim::Kind::Refused;
        refused.mmsi = deviceMmsi;
        if (row < 0) {
            refused.error
                = Tr("the device already holds the MMSI %1, which is not in the list").arg(deviceMmsi);
            return refused;
        }
        if (!m_rows.at(row).serialNumber.isEmpty()) {
            refused.error = Tr("the device holds the MMSI %1, which the list gives to the serial number %2")
                                .arg(deviceMmsi, m_rows.at(row).serialNumber);
            return refused;
        }
        m_rows[row].serialNumber = serialNumber;
        m_rows[row].state = Done;
        m_rows[row].programmedAt = Now();
        m_rows[row].note = Tr("found on the device");
        return Record(row, MmsiClaim::Kind::FoundOnDevice);
    }
    const int unused = RowOf(QString());
    if (unused < 0) {
        MmsiClaim exhausted;
        exhausted.kind = MmsiClaim::Kind::Exhausted;
        return exhausted;
    }
    m_rows[unused].serialNumber = serialNumber;
    m_rows[unused].state = Reserved;
    m_rows[unused].reservedAt = Now();
    return Record(unused, MmsiClaim::Kind::Take);
}

MmsiClaim MmsiList::Record(int row, MmsiClaim::Kind kind) const
{
    MmsiClaim claim;
    claim.kind = kind;
    claim.mmsi = m_rows.at(row).mmsi;
    claim.vesselName = m_rows.at(row).vesselName;
    claim.callSign = m_rows.at(row).callSign;
    return claim;
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

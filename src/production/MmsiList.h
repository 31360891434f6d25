#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// The production run's list of MMSIs: a CSV file, one MMSI per row, optionally with the vessel
// name and call sign to give that device. The run writes back which serial number took which
// MMSI and when, so an interrupted run resumes without giving an MMSI twice.
//
// File: UTF-8 CSV (RFC 4180 quoting, CRLF or LF). An optional header row is recognised by its
// first field holding something other than digits. Columns: mmsi, name, call_sign,
// serial_number, state, programmed_utc. A list written by hand has only the first one to three.
// state is "reserved" (a device took it, programming not confirmed) or "done" (written and
// verified); empty = unused. Save() always writes the header and every row.
struct MmsiListRow {
    QString mmsi; // nine digits
    QString vesselName; // may be empty: then the profile's name is kept
    QString callSign; // may be empty: then the profile's call sign is kept
    QString serialNumber; // empty while unused
    QString state; // "", "reserved", "done"
    QDateTime programmedAt; // UTC, valid once done
};

class MmsiList {
public:
    enum class Claim {
        Take, // an unused row, now reserved for this serial number
        Resume, // this serial number reserved a row earlier and did not finish: same row
        AlreadyProgrammed, // this serial number is "done" in the list: not to be programmed again
        CarriesListMmsi, // the device already holds an MMSI of the list (another row): reported, skipped
        Exhausted, // no unused row left
    };
    struct Decision {
        Claim claim = Claim::Exhausted;
        int row = -1;
    };

    static const QString Reserved;
    static const QString Done;

    // False with a message naming the file and line: unreadable file, a row whose MMSI is not
    // nine digits, an MMSI listed twice, a serial number holding two rows, a bad state.
    static bool Load(const QString& path, MmsiList* list, QString* error);
    bool Save(QString* error) const; // to the path it was loaded from

    // Decides for a device; Take reserves the row (serial + "reserved") in memory: the caller
    // Saves before writing to the device. deviceMmsi is what the device holds
    // ("000000000"/empty = none). A device without a serial number cannot be told apart on a
    // resumed run, so it is given no row (Exhausted, row -1): the caller refuses it first.
    Decision ClaimFor(const QString& serialNumber, const QString& deviceMmsi);
    void MarkDone(int row, const QDateTime& when); // the time is kept to the second, as saved
    const MmsiListRow& Row(int row) const;
    int Count() const;
    int Unused() const; // rows with no serial number
    QString Path() const;

private:
    int RowOf(const QString& serialNumber) const;
    int RowWithMmsi(const QString& mmsi) const;

    QString m_path;
    QVector<MmsiListRow> m_rows;
};

#pragma once

#include "production/MmsiSource.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The production run's list of MMSIs: a CSV file, one MMSI per row, optionally with the vessel
// name and call sign to give that device. The run writes back which serial number took which
// MMSI and when, so an interrupted run resumes without giving an MMSI twice. A list file serves
// the runs of one machine: each change is made under a lock file beside the list
// ("<list>.lock"), on the file as it is read again, so that two runs never take one row.
//
// File: UTF-8 CSV (RFC 4180 quoting, CRLF or LF). A first row that names columns is the header;
// its columns are found by name in any order (mmsi, name, call_sign, serial_number, state,
// programmed_utc, reserved_utc, note), and columns of other names are kept as they are. Without a
// header the columns are mmsi, name, call_sign, serial_number, state, programmed_utc in that
// order, and so are fields past the header's names where it does not name that column. state is
// "reserved" (a device took it, programming not verified) or "done" (verified, or found on the
// device); empty = unused. Save() writes the header and every row, the file's columns first, in
// their order.
struct MmsiListRow {
    QString mmsi; // nine digits
    QString vesselName; // may be empty: then the profile's name is kept
    QString callSign; // may be empty: then the profile's call sign is kept
    QString serialNumber; // empty while unused
    QString state; // "", "reserved", "done"
    QDateTime programmedAt; // UTC, valid once done
    QDateTime reservedAt; // UTC, when the serial number took the row
    QString note;
    QStringList others; // the columns this program does not use, in the file's order
};

class MmsiList : public MmsiSource {
public:
    static const QString Reserved;
    static const QString Done;

    // False with a message naming the file and line: unreadable file, a row whose MMSI is not
    // nine digits or means "not programmed", an MMSI listed twice, a serial number holding two
    // rows, a bad state, a name or call sign the device cannot take, no MMSI at all.
    static bool Load(const QString& path, MmsiList* list, QString* error);
    bool Save(QString* error) const; // to the path it was loaded from

    // Each reads the file again; the ones that change it do so under the lock.
    MmsiClaim Claim(const QString& serialNumber, const QString& deviceMmsi) override;
    bool Finish(const QString& serialNumber, bool verified, QString* error) override;
    int FreeCount(QString* error) override;
    QStringList Unfinished(QString* error) override;

    const MmsiListRow& Row(int row) const;
    int Count() const;
    QString Path() const;

private:
    // Reads the file again under the lock and saves it when change() says it changed a row.
    bool Change(const std::function<bool()>& change, QString* error);
    MmsiClaim Decide(const QString& serialNumber, const QString& deviceMmsi);
    MmsiClaim Record(int row, MmsiClaim::Kind kind) const;
    int RowOf(const QString& serialNumber) const;
    int RowWithMmsi(const QString& mmsi) const;

    QString m_path;
    QStringList m_columns; // as saved: known columns by their own names, others as the file had them
    QVector<MmsiListRow> m_rows;
};

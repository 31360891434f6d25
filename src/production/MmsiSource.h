#pragma once

#include <QString>
#include <QStringList>

// What a store of MMSIs decided for one device.
struct MmsiClaim {
    enum class Kind {
        Take, // a free MMSI, now reserved for this serial number
        Resume, // this serial number reserved an MMSI earlier and did not finish: the same one
        AlreadyProgrammed, // this serial number is done: not to be programmed again
        FoundOnDevice, // the device already holds an MMSI of the store: now recorded as its own, done
        Refused, // the device holds an MMSI the store cannot give it (another device's, or none of the
                 // store's): nothing recorded, error says why
        Exhausted, // no free MMSI left
        Failed, // the store could not be read or written: error says why
    };
    Kind kind = Kind::Failed;
    QString mmsi;
    QString vesselName; // empty: the profile's name is kept
    QString callSign; // empty: the profile's call sign is kept
    QString error;
};

// A store that hands out MMSIs to devices, each at most once: a list file on
// one machine, or a pool on a database server that several stations share.
// Every call that changes the store has made the change durable before it
// returns, so that a run cut short at any point never gives one MMSI to two
// devices. A reservation belongs to its serial number and never expires: the
// write may already be on the device.
class MmsiSource {
public:
    virtual ~MmsiSource() = default;

    // Decides for a device and records the decision. deviceMmsi is what the
    // device holds ("000000000" or empty: none). The serial number is not empty.
    virtual MmsiClaim Claim(const QString& serialNumber, const QString& deviceMmsi) = 0;
    // After the read-back: a verified write makes the serial number's MMSI
    // done; an unverified one leaves it reserved, so that a rerun writes the
    // device again. False with error when the store could not record it.
    virtual bool Finish(const QString& serialNumber, bool verified, QString* error) = 0;
    // Free MMSIs left; -1 with error when the store cannot be read.
    virtual int FreeCount(QString* error) = 0;
    // Reserved MMSIs whose device has not finished, one line each naming the
    // MMSI, the serial number and when it was reserved.
    virtual QStringList Unfinished(QString* error) = 0;
};

#pragma once

#include "profile/Profile.h"

#include <QByteArray>
#include <QStringList>

struct ProfileReadResult {
    bool ok = false;
    Profile profile;
    QStringList problems; // one line per bad field or a JSON error, each naming the field
    // Values taken as they are though the pages would not offer them (a
    // device's own), one line per field.
    QStringList warnings;
};

// The profile file: one JSON object, "format": "velmora-profile", "version": 1.
// A partial profile (a programming's record, "partial": true) holds only some
// settings and lists those read from the device under "readFromDevice".
class ProfileFile {
public:
    // Larger files are refused unread.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    static QByteArray ToJson(const Profile& profile);
    static ProfileReadResult FromJson(const QByteArray& json);
    static ProfileReadResult Read(const QString& path);
    // Replaces path only once the whole file is written.
    static bool Write(const Profile& profile, const QString& path, QString* error);
};

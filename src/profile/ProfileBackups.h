#pragma once

#include "profile/Profile.h"

#include <QString>

// The automatic backups taken before a reset: one file per backup in one
// folder, named "<serial>-<yyyyMMdd-HHmmss>.json", the newest 50 of each
// device kept.
class ProfileBackups {
public:
    explicit ProfileBackups(const QString& folder);
    bool Save(const Profile& profile, QString* savedPath, QString* error);
    // Path of the newest backup for the serial number, empty when none.
    QString NewestFor(const QString& serialNumber) const;

private:
    QString m_folder;
};

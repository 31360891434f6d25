#pragma once

#include "profile/Profile.h"

#include <QList>
#include <QString>

struct ProfileComparisonRow {
    QString setting; // readable name, e.g. "Vessel: call sign"
    QString profileValue;
    QString deviceValue;
    bool differs = false;
};

// Every setting of two profiles side by side.
class ProfileComparison {
public:
    static QList<ProfileComparisonRow> Compare(const Profile& profile, const Profile& device);
    // The settings written (all of a whole profile) that the device's
    // generation has and does not hold as written, compared as the device
    // keeps them: texts without their "@" padding, vessel texts in capitals,
    // dimensions in whole metres.
    static QList<ProfileComparisonRow> Mismatches(const Profile& written, const Profile& device);
    static bool ExportCsv(const QList<ProfileComparisonRow>& rows, const QString& path, QString* error);
};

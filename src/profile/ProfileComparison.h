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
    static bool ExportCsv(const QList<ProfileComparisonRow>& rows, const QString& path, QString* error);
};

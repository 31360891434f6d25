#include "profile/ProfileComparison.h"

QList<ProfileComparisonRow> ProfileComparison::Compare(const Profile&, const Profile&)
{
    return {};
}

bool ProfileComparison::ExportCsv(const QList<ProfileComparisonRow>&, const QString&, QString*)
{
    return false;
}

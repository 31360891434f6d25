#include "profile/ProfileBackups.h"

ProfileBackups::ProfileBackups(const QString& folder)
    : m_folder(folder)
{
}

bool ProfileBackups::Save(const Profile&, QString*, QString*)
{
    return false;
}

QString ProfileBackups::NewestFor(const QString&) const
{
    return {};
}

#include "profile/ProfileFile.h"

QByteArray ProfileFile::ToJson(const Profile&)
{
    return {};
}

ProfileReadResult ProfileFile::FromJson(const QByteArray&)
{
    return {};
}

ProfileReadResult ProfileFile::Read(const QString&)
{
    return {};
}

bool ProfileFile::Write(const Profile&, const QString&, QString*)
{
    return false;
}

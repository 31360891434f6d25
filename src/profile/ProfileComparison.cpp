#include "profile/ProfileComparison.h"

#include "app/CompleteFile.h"
#include "app/CsvField.h"
#include "profile/ProfileSetting.h"

#include <cmath>

namespace {

QString Shown(const ProfileSetting& setting, const Profile& profile, bool held)
{
    return held ? setting.Shown(profile) : ProfileSetting::tr("(not on this device)");
}

QVariant AsKept(const ProfileSetting& setting, const Profile& profile)
{
    const QVariant value = setting.get(profile);
    switch (setting.kind) {
    case ProfileSetting::Kind::Text: {
        QString text = value.toString();
        while (text.endsWith(QLatin1Char('@'))) {
            text.chop(1);
        }
        return setting.section == QLatin1String("vessel") ? text.toUpper() : text;
    }
    case ProfileSetting::Kind::Decimal:
        return std::floor(value.toDouble() + 0.5);
    default:
        return value;
    }
}

} // namespace

// A setting only one side has is listed but not marked: it is skipped, never sent.
QList<ProfileComparisonRow> ProfileComparison::Compare(const Profile& profile, const Profile& device)
{
    QList<ProfileComparisonRow> rows;
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        const bool inProfile = setting.HeldBy(profile.Origin().generation)
            && profile.SourceOf(setting) != Profile::Source::Absent;
        const bool onDevice = setting.HeldBy(device.Origin().generation);
        if (!inProfile && !onDevice) {
            continue;
        }
        ProfileComparisonRow row;
        row.setting = setting.name;
        row.profileValue = Shown(setting, profile, inProfile);
        row.deviceValue = Shown(setting, device, onDevice);
        row.differs = inProfile && onDevice && setting.get(profile) != setting.get(device);
        rows << row;
    }
    return rows;
}

QList<ProfileComparisonRow> ProfileComparison::Mismatches(const Profile& written, const Profile& device)
{
    QList<ProfileComparisonRow> rows;
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        if (setting.HeldBy(device.Origin().generation) && written.SourceOf(setting) == Profile::Source::Given
            && AsKept(setting, written) != AsKept(setting, device)) {
            rows << ProfileComparisonRow { setting.name, setting.Shown(written), setting.Shown(device), true };
        }
    }
    return rows;
}

bool ProfileComparison::ExportCsv(
    const QList<ProfileComparisonRow>& rows, const QString& path, QString* error)
{
    QString text = CsvField::Line({ ProfileSetting::tr("Setting"), ProfileSetting::tr("Profile"),
        ProfileSetting::tr("Device"), ProfileSetting::tr("Differs") });
    for (const ProfileComparisonRow& row : rows) {
        text += CsvField::Line({ row.setting, row.profileValue, row.deviceValue,
            row.differs ? ProfileSetting::tr("yes") : ProfileSetting::tr("no") });
    }
    return CompleteFile::Write(path, text.toUtf8(), error);
}

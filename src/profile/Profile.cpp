#include "profile/Profile.h"

#include "app/PlatformInfo.h"
#include "profile/ProfileSetting.h"

Profile Profile::FromModel(Model& model, const ProfileOrigin& origin)
{
    Profile profile;
    profile.m_origin = origin;
    profile.m_mmsi = *model.mmsi();
    profile.m_staticData = *model.staticData();
    profile.m_vesselData = *model.vesselData();
    profile.m_messages = *model.messages();
    profile.m_alerts = *model.alerts();
    profile.m_geoBoundary = *model.geoBoundary();
    profile.m_voyageLog = *model.voyageLog();
    profile.m_sbasEnabled = model.sbasEnabled();
    return profile;
}

ProfileOrigin Profile::OriginNow(const QString& firmware, int generation, const QString& serialNumber)
{
    ProfileOrigin origin;
    origin.savedAt = QDateTime::currentDateTimeUtc();
    origin.savedBy = PlatformInfo::UserName();
    origin.computer = PlatformInfo::ComputerName();
    origin.firmware = firmware;
    origin.family = firmware.left(6);
    origin.generation = generation;
    origin.serialNumber = serialNumber;
    return origin;
}

// Only settings both the profile's device and the target have are taken, so a
// value the profile's device never reported cannot overwrite a real one.
void Profile::ApplyTo(Model& model, int deviceType, bool takeMmsi) const
{
    Profile target = FromModel(model, m_origin);
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        const bool wanted = (takeMmsi || !setting.perVessel) && SourceOf(setting) != Source::Absent;
        if (wanted && setting.HeldBy(m_origin.generation) && setting.HeldBy(deviceType)) {
            setting.set(target, setting.get(*this));
        }
    }
    *model.mmsi() = target.m_mmsi;
    *model.staticData() = target.m_staticData;
    *model.vesselData() = target.m_vesselData;
    *model.messages() = target.m_messages;
    *model.alerts() = target.m_alerts;
    *model.geoBoundary() = target.m_geoBoundary;
    *model.voyageLog() = target.m_voyageLog;
    model.setSbasEnabled(target.m_sbasEnabled);
}

QStringList Profile::SkippedFor(int deviceType) const
{
    QStringList skipped;
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        if (setting.HeldBy(m_origin.generation) && !setting.HeldBy(deviceType)
            && SourceOf(setting) != Source::Absent) {
            skipped << setting.name;
        }
    }
    return skipped;
}

void Profile::Restrict(const QSet<QString>& given, const QSet<QString>& read)
{
    m_partial = true;
    m_given = given;
    m_read = read - given;
}

Profile::Source Profile::SourceOf(const ProfileSetting& setting) const
{
    if (!m_partial || m_given.contains(setting.Path())) {
        return Source::Given;
    }
    return m_read.contains(setting.Path()) ? Source::Read : Source::Absent;
}

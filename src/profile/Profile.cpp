#include "profile/Profile.h"

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

void Profile::ApplyTo(Model& model, int, bool takeMmsi) const
{
    if (takeMmsi) {
        *model.mmsi() = m_mmsi;
    }
    *model.staticData() = m_staticData;
    *model.vesselData() = m_vesselData;
    *model.messages() = m_messages;
    *model.alerts() = m_alerts;
    *model.geoBoundary() = m_geoBoundary;
    *model.voyageLog() = m_voyageLog;
    model.setSbasEnabled(m_sbasEnabled);
}

QStringList Profile::SkippedFor(int) const
{
    return {};
}

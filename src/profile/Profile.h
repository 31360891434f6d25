#pragma once

#include "model/Model.h"
#include "profile/ProfileOrigin.h"

#include <QSet>
#include <QStringList>

class ProfileSetting;

// The settings of one device, held by value so they outlive the model they
// came from: vessel data, AIS messages and frequencies, control, voyage log
// settings, power box and the MMSI, stamped with their origin.
class Profile {
public:
    // How a setting came into a programming's record: sent to the device (and
    // read back), or only read from it. A profile from a model or a whole
    // file gives every setting.
    enum class Source { Given, Read, Absent };

    static Profile FromModel(Model& model, const ProfileOrigin& origin);
    // Saved now, by this user on this computer, from the device described.
    static ProfileOrigin OriginNow(const QString& firmware, int generation, const QString& serialNumber);
    // Writes the settings into model (the tab model). The model's own MMSI is
    // kept unless takeMmsi. Settings deviceType does not have are left untouched.
    void ApplyTo(Model& model, int deviceType, bool takeMmsi) const;
    // Readable names of the settings that deviceType does not have.
    QStringList SkippedFor(int deviceType) const;
    // Keeps only the settings named by path: given ones and ones only read.
    void Restrict(const QSet<QString>& given, const QSet<QString>& read);
    bool IsPartial() const { return m_partial; }
    Source SourceOf(const ProfileSetting& setting) const;

    const ProfileOrigin& Origin() const { return m_origin; }
    void SetOrigin(const ProfileOrigin& origin) { m_origin = origin; }
    QString Mmsi() const { return m_mmsi.text(); }

    MMSI& mmsi() { return m_mmsi; }
    const MMSI& mmsi() const { return m_mmsi; }
    StaticData& staticData() { return m_staticData; }
    const StaticData& staticData() const { return m_staticData; }
    VesselData& vesselData() { return m_vesselData; }
    const VesselData& vesselData() const { return m_vesselData; }
    Messages& messages() { return m_messages; }
    const Messages& messages() const { return m_messages; }
    Alerts& alerts() { return m_alerts; }
    const Alerts& alerts() const { return m_alerts; }
    GeoBoundary& geoBoundary() { return m_geoBoundary; }
    const GeoBoundary& geoBoundary() const { return m_geoBoundary; }
    VoyageLog& voyageLog() { return m_voyageLog; }
    const VoyageLog& voyageLog() const { return m_voyageLog; }
    bool sbasEnabled() const { return m_sbasEnabled; }
    void setSbasEnabled(bool enabled) { m_sbasEnabled = enabled; }

private:
    ProfileOrigin m_origin;
    MMSI m_mmsi;
    StaticData m_staticData;
    VesselData m_vesselData;
    Messages m_messages;
    Alerts m_alerts;
    GeoBoundary m_geoBoundary;
    VoyageLog m_voyageLog;
    bool m_sbasEnabled = true;
    bool m_partial = false;
    QSet<QString> m_given;
    QSet<QString> m_read;
};

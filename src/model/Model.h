#pragma once

#include "model/Alerts.h"
#include "model/Diagnostics.h"
#include "model/GeoBoundary.h"
#include "model/GeoFence.h"
#include "model/MMSI.h"
#include "model/Messages.h"
#include "model/ModelObject.h"
#include "model/StaticData.h"
#include "model/VesselData.h"
#include "model/VoyageLog.h"

// Everything the program knows about the connected device. The application
// keeps two: the tab model the user edits and the transport model the device
// fills. Sub-objects move between them by value, one tab at a time, e.g.
// *tabModel->alerts() = *transportModel->alerts().
class Model : public ModelObject {
    Q_OBJECT

public:
    explicit Model(QObject* parent = nullptr);

    // Forgets the device's identity and data; message, boundary and voyage-log
    // settings and the diagnostics are kept (see the sub-objects).
    void reset() override;
    // Every setting of source: the device's identity and diagnostics stay.
    void takeSettings(Model& source);

    QString appVersion() const { return m_appVersion; }
    void setAppVersion(const QString& version) { m_appVersion = version; }
    QString serialNumber() const { return m_serialNumber; }
    void setSerialNumber(const QString& serialNumber) { m_serialNumber = serialNumber; }
    bool sbasEnabled() const { return m_sbasEnabled; }
    void setSbasEnabled(bool enabled) { m_sbasEnabled = enabled; }

    MMSI* mmsi() { return &m_mmsi; }
    StaticData* staticData() { return &m_staticData; }
    VesselData* vesselData() { return &m_vesselData; }
    Messages* messages() { return &m_messages; }
    Alerts* alerts() { return &m_alerts; }
    GeoBoundary* geoBoundary() { return &m_geoBoundary; }
    VoyageLog* voyageLog() { return &m_voyageLog; }
    Diagnostics* diagnostics() { return &m_diagnostics; }

private:
    Q_DISABLE_COPY(Model)

    QString m_appVersion;
    QString m_serialNumber;
    bool m_sbasEnabled = true;
    MMSI m_mmsi;
    StaticData m_staticData;
    VesselData m_vesselData;
    Messages m_messages;
    Alerts m_alerts;
    GeoFence m_geoFence;
    GeoBoundary m_geoBoundary;
    VoyageLog m_voyageLog;
    Diagnostics m_diagnostics;
};

#pragma once

#include "model/ModelObject.h"

// How the device behaves on bracket, geofence, power box and SOS events.
class Alerts : public ModelObject {
    Q_OBJECT

public:
    Alerts() = default;
    Alerts(const Alerts&) = default;
    Alerts& operator=(const Alerts&) = default;

    void reset() override;

    int bracketErrorMode() const { return m_bracketErrorMode; }
    void setBracketErrorMode(int mode) { m_bracketErrorMode = mode; }
    int offBracketMode() const { return m_offBracketMode; }
    void setOffBracketMode(int mode) { m_offBracketMode = mode; }
    int insideGeofenceMode() const { return m_insideGeofenceMode; }
    void setInsideGeofenceMode(int mode) { m_insideGeofenceMode = mode; }
    int outsideGeofenceMode() const { return m_outsideGeofenceMode; }
    void setOutsideGeofenceMode(int mode) { m_outsideGeofenceMode = mode; }
    bool powerBoxAlertEnabled() const { return m_powerBoxAlertEnabled; }
    void setPowerBoxAlertEnabled(bool enabled) { m_powerBoxAlertEnabled = enabled; }
    bool powerBoxEnabled() const { return m_powerBoxEnabled; }
    void setPowerBoxEnabled(bool enabled) { m_powerBoxEnabled = enabled; }
    bool sosAlertEnabled() const { return m_sosAlertEnabled; }
    void setSosAlertEnabled(bool enabled) { m_sosAlertEnabled = enabled; }
    QString sosMessage() const { return m_sosMessage; }
    void setSosMessage(const QString& message) { m_sosMessage = message; }
    int sosBuzzerMode() const { return m_sosBuzzerMode; }
    void setSosBuzzerMode(int mode) { m_sosBuzzerMode = mode; }
    int geofenceBuzzerMode() const { return m_geofenceBuzzerMode; }
    void setGeofenceBuzzerMode(int mode) { m_geofenceBuzzerMode = mode; }

private:
    int m_bracketErrorMode = 1;
    int m_offBracketMode = 1;
    int m_insideGeofenceMode = 0;
    int m_outsideGeofenceMode = 0;
    bool m_powerBoxAlertEnabled = false;
    bool m_powerBoxEnabled = false;
    bool m_sosAlertEnabled = true;
    QString m_sosMessage = QStringLiteral("MAYDAY MAYDAY");
    int m_sosBuzzerMode = 1;
    int m_geofenceBuzzerMode = 1;
};

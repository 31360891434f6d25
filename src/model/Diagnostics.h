#pragma once

#include "model/ModelObject.h"

// The last diagnostic readings, kept as the device sent them. The codes mean
// "no data" until a reading arrives; the diagnostics view turns them into words.
class Diagnostics : public ModelObject {
    Q_OBJECT

public:
    Diagnostics() = default;

    void reset() override;

    QString batteryVoltage() const { return m_batteryVoltage; }
    void setBatteryVoltage(const QString& millivolts) { m_batteryVoltage = millivolts; }
    QString batteryStatus() const { return m_batteryStatus; }
    void setBatteryStatus(const QString& code) { m_batteryStatus = code; }
    QString adcReading() const { return m_adcReading; }
    void setAdcReading(const QString& line) { m_adcReading = line; }
    QString ledStatus() const { return m_ledStatus; }
    void setLedStatus(const QString& code) { m_ledStatus = code; }
    QString powerBoxStatus() const { return m_powerBoxStatus; }
    void setPowerBoxStatus(const QString& code) { m_powerBoxStatus = code; }

private:
    // Readings are not copied between models; reset is the one assignment.
    Diagnostics(const Diagnostics&) = default;
    Diagnostics& operator=(const Diagnostics&) = default;

    QString m_batteryVoltage = QStringLiteral("0");
    QString m_batteryStatus = QString::number(10);
    QString m_adcReading = QStringLiteral("No Data");
    QString m_ledStatus = QString::number(100);
    QString m_powerBoxStatus = QString::number(99);
};

#pragma once

#include "model/ModelObject.h"

// Settings of the device's voyage log; they survive a model reset.
class VoyageLog : public ModelObject {
    Q_OBJECT

public:
    VoyageLog() = default;
    VoyageLog(const VoyageLog&) = default;
    VoyageLog& operator=(const VoyageLog&) = default;

    void reset() override;

    bool logEnabled() const { return m_logEnabled; }
    void setLogEnabled(bool enabled) { m_logEnabled = enabled; }
    int logPeriod() const { return m_logPeriod; }
    void setLogPeriod(int seconds) { m_logPeriod = seconds; }
    int logDistance() const { return m_logDistance; }
    void setLogDistance(int metres) { m_logDistance = metres; }

private:
    bool m_logEnabled = true;
    int m_logPeriod = 3600;
    int m_logDistance = 500;
};

#pragma once

#include "model/ModelObject.h"

// AIS reporting settings. They survive a model reset: a newly connected device
// overwrites them when read, and until then the last values are a better guess
// than the factory ones.
class Messages : public ModelObject {
    Q_OBJECT

public:
    static constexpr int ReportIntervalCount = 7;
    // The selectable report intervals in seconds, shortest first.
    static const int reportIntervals[ReportIntervalCount];

    Messages() = default;
    Messages(const Messages&) = default;
    Messages& operator=(const Messages&) = default;

    void reset() override;

    int positionInterval() const { return m_positionInterval; }
    // Also sets the static-data interval, which the device derives from it.
    void setPositionInterval(int seconds);
    int positionIntervalIndex() const { return intervalIndex(m_positionInterval); }
    void setPositionIntervalIndex(int index) { setPositionInterval(intervalAt(index)); }

    bool highRateEnabled() const { return m_highRateEnabled; }
    void setHighRateEnabled(bool enabled) { m_highRateEnabled = enabled; }
    int highRateSog() const { return m_highRateSog; }
    void setHighRateSog(int knots) { m_highRateSog = knots; }
    int highRateInterval() const { return m_highRateInterval; }
    void setHighRateInterval(int seconds) { m_highRateInterval = seconds; }
    int highRateIntervalIndex() const { return intervalIndex(m_highRateInterval); }
    void setHighRateIntervalIndex(int index) { m_highRateInterval = intervalAt(index); }

    int staticDataInterval() const { return m_staticDataInterval; }
    void setStaticDataInterval(int seconds) { m_staticDataInterval = seconds; }

    int channelAFrequency() const { return m_channelAFrequency; }
    void setChannelAFrequency(int hertz) { m_channelAFrequency = hertz; }
    bool channelBEnabled() const { return m_channelBEnabled; }
    void setChannelBEnabled(bool enabled) { m_channelBEnabled = enabled; }
    int channelBFrequency() const { return m_channelBFrequency; }
    void setChannelBFrequency(int hertz) { m_channelBFrequency = hertz; }

    double channelAFrequencyMHz() const { return toMHz(m_channelAFrequency); }
    void setChannelAFrequencyMHz(double megahertz) { m_channelAFrequency = toHertz(megahertz); }
    double channelBFrequencyMHz() const { return toMHz(m_channelBFrequency); }
    void setChannelBFrequencyMHz(double megahertz) { m_channelBFrequency = toHertz(megahertz); }

    // The index of the shortest selectable interval not below the value; a
    // value beyond the longest gives index 0.
    static int intervalIndex(int seconds);
    // The interval at an index; any index outside the list gives 300 seconds.
    static int intervalAt(int index);

private:
    static double toMHz(int hertz);
    static int toHertz(double megahertz);

    int m_positionInterval = 300;
    bool m_highRateEnabled = false;
    int m_highRateSog = 10;
    int m_highRateInterval = 60;
    int m_staticDataInterval = 600;
    int m_channelAFrequency = 161975000;
    bool m_channelBEnabled = true;
    int m_channelBFrequency = 162025000;
};

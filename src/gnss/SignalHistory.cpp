#include "gnss/SignalHistory.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

void SignalHistory::restart(qint64 nowMs)
{
    m_samples.clear();
    m_startMs = nowMs;
    m_timeToFirstFix = -1;
}

void SignalHistory::add(qint64 nowMs, const SatelliteData& data)
{
    if (m_timeToFirstFix < 0 && data.fixStatus() != SatelliteData::FixNone) {
        m_timeToFirstFix = nowMs - m_startMs;
    }
    // Receivers that send GSV only every few seconds publish cycles without
    // satellites in between; they say nothing about the signal. Slots fill
    // from the first, so an empty first slot means an empty cycle.
    SatelliteRecord first;
    if (!data.satelliteAt(0, first) || first.prn <= 0) {
        return;
    }
    m_samples.push_back(
        { nowMs, meanOfStrongest(data), data.usedCount(), data.pdop(), data.hdop(), data.vdop() });
    while (!m_samples.empty()
        && (m_samples.front().timeMs < nowMs - WindowMs || int(m_samples.size()) > MaxSamples)) {
        m_samples.pop_front();
    }
}

double SignalHistory::meanOfStrongest(const SatelliteData& data)
{
    std::vector<int> snrs;
    SatelliteRecord satellite;
    for (int i = 0; data.satelliteAt(i, satellite); ++i) {
        if (satellite.prn > 0 && satellite.tracked && satellite.snr > 0) {
            snrs.push_back(satellite.snr);
        }
    }
    const size_t count = std::min<size_t>(snrs.size(), StrongestCount);
    if (count == 0) {
        return 0;
    }
    std::partial_sort(snrs.begin(), snrs.begin() + count, snrs.end(), std::greater<int>());
    return std::accumulate(snrs.begin(), snrs.begin() + count, 0.0) / count;
}

#pragma once

#include "gnss/SatelliteData.h"

#include <QtGlobal>

#include <deque>

// How the signal went over the last ten minutes, one sample per published
// satellite cycle, and how long the receiver took to its first fix since the
// connection. Times are milliseconds on any steady clock the caller keeps.
class SignalHistory {
public:
    static constexpr qint64 WindowMs = 10 * 60 * 1000;
    // Ten cycles a second for ten minutes; a faster receiver loses its
    // oldest samples first, so memory stays bounded whatever it sends.
    static constexpr int MaxSamples = 6000;
    static constexpr int StrongestCount = 4;

    struct Sample {
        qint64 timeMs = 0;
        // Mean C/N0 of the strongest satellites heard, 0 when none was.
        double strongestSnr = 0;
        int used = 0;
        double pdop = 0;
        double hdop = 0;
        double vdop = 0;
    };

    // A new connection: the samples and the first fix are forgotten.
    void restart(qint64 nowMs);
    // One published cycle; a cycle without satellites adds no sample.
    void add(qint64 nowMs, const SatelliteData& data);

    const std::deque<Sample>& samples() const { return m_samples; }
    // From the restart to the first cycle with a 2D or 3D fix; -1 while
    // there has been none.
    qint64 timeToFirstFix() const { return m_timeToFirstFix; }

    static double meanOfStrongest(const SatelliteData& data);

private:
    std::deque<Sample> m_samples;
    qint64 m_startMs = 0;
    qint64 m_timeToFirstFix = -1;
};

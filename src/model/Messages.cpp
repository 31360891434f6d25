#include "model/Messages.h"

#include <cmath>

const int Messages::reportIntervals[Messages::ReportIntervalCount] = { 30, 60, 120, 300, 600, 1200, 1800 };

namespace {

constexpr int fallbackInterval = 300;

} // namespace

void Messages::reset() { }

void Messages::setPositionInterval(int seconds)
{
    // Short intervals send the static data every third or second report. The
    // value may come from the device, so the product must not overflow.
    m_positionInterval = seconds;
    const int factor = seconds <= 60 ? 3 : (seconds <= 300 ? 2 : 1);
    m_staticDataInterval = truncatedToInt(static_cast<double>(factor) * seconds);
}

int Messages::intervalIndex(int seconds)
{
    for (int i = 0; i < ReportIntervalCount; ++i) {
        if (seconds <= reportIntervals[i]) {
            return i;
        }
    }
    return 0;
}

int Messages::intervalAt(int index)
{
    return (index >= 0 && index < ReportIntervalCount) ? reportIntervals[index] : fallbackInterval;
}

double Messages::toMHz(int hertz)
{
    return (hertz / 1000) / 1000.0;
}

int Messages::toHertz(double megahertz)
{
    return truncatedToInt(std::floor(megahertz * 1000000.0 + 0.5));
}

#pragma once

#include "gnss/SatelliteData.h"

#include <qwt_scale_draw.h>

#include <array>

// Bottom axis of the signal histogram: the tick under slot i names the PRN
// of the satellite in that slot, or "--" for an empty slot.
class cGpsScaleDraw : public QwtScaleDraw {
public:
    cGpsScaleDraw() = default;

    // The PRNs are copied: the record belongs to the decoder, which empties
    // it right after publishing, while the axis is redrawn whenever the plot
    // is. Null forgets them.
    void setSatelliteData(const SatelliteData* data);

    QwtText label(double value) const override;

private:
    std::array<int, SatelliteData::SlotCount> m_prns {};
};

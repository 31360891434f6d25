#include "gnss/cGpsScaleDraw.h"

#include <QtMath>

void cGpsScaleDraw::setSatelliteData(const SatelliteData* data)
{
    for (int i = 0; i < SatelliteData::SlotCount; ++i) {
        SatelliteRecord satellite;
        m_prns[static_cast<size_t>(i)] = (data && data->satelliteAt(i, satellite)) ? satellite.prn : 0;
    }
    invalidateCache();
}

QwtText cGpsScaleDraw::label(double value) const
{
    const int slot = qFloor(value + 0.5);
    const int prn = (slot >= 0 && slot < SatelliteData::SlotCount) ? m_prns[static_cast<size_t>(slot)] : 0;
    return prn > 0 ? QwtText(QString::number(prn)) : QwtText(QStringLiteral("--"));
}

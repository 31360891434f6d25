#include "gnss/SatelliteData.h"

#include <algorithm>

namespace {

const int firstSbasPrn = 33;
const int lastSbasPrn = 64;
const int firstGlonassPrn = 65;

} // namespace

SatelliteData::SatelliteData(QObject* parent)
    : QObject(parent)
{
}

void SatelliteData::clear()
{
    m_slots.fill(SatelliteRecord());
    m_usedPrns.fill(0);
    m_gpsInView = 0;
    m_glonassInView = 0;
    m_fixStatus = FixNone;
}

void SatelliteData::clearUsed()
{
    for (SatelliteRecord& slot : m_slots) {
        slot.used = false;
    }
    m_usedPrns.fill(0);
}

bool SatelliteData::addUsed(int prn)
{
    if (prn == 0) {
        return false;
    }
    const auto freeEntry = std::find(m_usedPrns.begin(), m_usedPrns.end(), 0);
    if (freeEntry == m_usedPrns.end()) {
        return false;
    }
    *freeEntry = prn;
    return true;
}

void SatelliteData::markUsed()
{
    for (const int prn : m_usedPrns) {
        if (prn <= 0) {
            continue;
        }
        for (SatelliteRecord& slot : m_slots) {
            if (slot.prn == prn) {
                slot.used = true;
            }
        }
    }
}

SatelliteRecord* SatelliteData::findSlot(int constellation, int prn)
{
    const auto sameSatellite = std::find_if(m_slots.begin(), m_slots.end(),
        [&](const SatelliteRecord& slot) { return slot.constellation == constellation && slot.prn == prn; });
    if (sameSatellite != m_slots.end()) {
        return &*sameSatellite;
    }
    const auto freeSlot = std::find_if(m_slots.begin(), m_slots.end(), [](const SatelliteRecord& slot) {
        return slot.constellation == SatelliteRecord::ConstellationOther;
    });
    return freeSlot != m_slots.end() ? &*freeSlot : nullptr;
}

bool SatelliteData::updateSatellite(
    int constellation, int prn, int elevation, int azimuth, int snr, bool tracked)
{
    if (prn <= 0) {
        return false;
    }
    SatelliteRecord* slot = findSlot(constellation, prn);
    if (!slot) {
        return false;
    }
    slot->prn = prn;
    slot->elevation = elevation;
    slot->azimuth = azimuth;
    slot->snr = snr;
    slot->constellation = constellation;
    slot->tracked = tracked;
    slot->isSbas = prn >= firstSbasPrn && prn <= lastSbasPrn;
    slot->isGlonass = prn >= firstGlonassPrn;
    return true;
}

bool SatelliteData::satelliteAt(int index, SatelliteRecord& out) const
{
    if (index < 0 || index >= SlotCount) {
        return false;
    }
    out = m_slots[static_cast<size_t>(index)];
    return true;
}

int SatelliteData::usedCount() const
{
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(),
        [](const SatelliteRecord& slot) { return slot.tracked && slot.used; }));
}

int SatelliteData::trackedCount() const
{
    return static_cast<int>(std::count_if(
        m_slots.begin(), m_slots.end(), [](const SatelliteRecord& slot) { return slot.tracked; }));
}

#include "gnss/SatelliteData.h"

#include <algorithm>
#include <numeric>

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
    m_usedConstellations.fill(0);
    m_inView.fill(0);
    m_fixStatus = FixNone;
    setDops(0.0, 0.0, 0.0);
}

void SatelliteData::clearUsed()
{
    for (SatelliteRecord& slot : m_slots) {
        slot.used = false;
    }
    m_usedPrns.fill(0);
    m_usedConstellations.fill(0);
}

bool SatelliteData::addUsed(int prn, int constellation)
{
    if (prn == 0) {
        return false;
    }
    const auto freeEntry = std::find(m_usedPrns.begin(), m_usedPrns.end(), 0);
    if (freeEntry == m_usedPrns.end()) {
        return false;
    }
    *freeEntry = prn;
    m_usedConstellations[static_cast<size_t>(freeEntry - m_usedPrns.begin())] = constellation;
    return true;
}

void SatelliteData::markUsed()
{
    for (size_t entry = 0; entry < m_usedPrns.size(); ++entry) {
        const int prn = m_usedPrns[entry];
        const int constellation = m_usedConstellations[entry];
        if (prn <= 0) {
            continue;
        }
        for (SatelliteRecord& slot : m_slots) {
            if (slot.prn == prn
                && (constellation == SatelliteRecord::ConstellationOther
                    || slot.constellation == constellation)) {
                slot.used = true;
            }
        }
    }
}

int SatelliteData::inView(int constellation) const
{
    return constellation > 0 && constellation < SatelliteRecord::ConstellationCount
        ? m_inView[static_cast<size_t>(constellation)]
        : 0;
}

void SatelliteData::setInView(int constellation, int count)
{
    if (constellation > 0 && constellation < SatelliteRecord::ConstellationCount) {
        m_inView[static_cast<size_t>(constellation)] = count;
    }
}

int SatelliteData::totalInView() const
{
    return std::accumulate(m_inView.begin(), m_inView.end(), 0);
}

void SatelliteData::setDops(double pdop, double hdop, double vdop)
{
    m_pdop = pdop;
    m_hdop = hdop;
    m_vdop = vdop;
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
    const bool numberedLikeGps = constellation <= SatelliteRecord::ConstellationGlonass;
    slot->isSbas = numberedLikeGps && prn >= firstSbasPrn && prn <= lastSbasPrn;
    slot->isGlonass = numberedLikeGps && prn >= firstGlonassPrn;
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

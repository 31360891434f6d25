#pragma once

#include "gnss/SatelliteRecord.h"

#include <QObject>

#include <array>

// The satellites and used PRNs collected during one RMC cycle. The decoder
// owns it and empties it after publishing: receivers read it at once.
class SatelliteData : public QObject {
    Q_OBJECT

public:
    static constexpr int SlotCount = 32;

    enum FixStatus { FixNone = 0, Fix2D = 1, Fix3D = 2 };

    explicit SatelliteData(QObject* parent = nullptr);

    // Forgets every satellite, used PRN, in-view count and the fix status.
    void clear();
    // Forgets which satellites are used, nothing else.
    void clearUsed();
    // Keeps prn in the first free used entry; PRN 0 is ignored and a PRN
    // beyond the 32nd is dropped (false).
    bool addUsed(int prn);
    // Marks every slot whose PRN was listed as used, whatever its talker.
    void markUsed();
    // Stores a satellite in the slot of the same talker and PRN, else in the
    // first free slot; false if prn <= 0 or all slots are taken.
    bool updateSatellite(int constellation, int prn, int elevation, int azimuth, int snr, bool tracked);
    bool satelliteAt(int index, SatelliteRecord& out) const;

    int usedCount() const;
    int trackedCount() const;

    int fixStatus() const { return m_fixStatus; }
    void setFixStatus(int status) { m_fixStatus = status; }
    int gpsInView() const { return m_gpsInView; }
    void setGpsInView(int count) { m_gpsInView = count; }
    int glonassInView() const { return m_glonassInView; }
    void setGlonassInView(int count) { m_glonassInView = count; }

private:
    SatelliteRecord* findSlot(int constellation, int prn);

    std::array<SatelliteRecord, SlotCount> m_slots {};
    std::array<int, SlotCount> m_usedPrns {};
    int m_fixStatus = FixNone;
    int m_gpsInView = 0;
    int m_glonassInView = 0;
};

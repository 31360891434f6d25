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
    // beyond the 32nd is dropped (false). A PRN of constellation Other
    // stands for that number in every constellation.
    bool addUsed(int prn, int constellation = SatelliteRecord::ConstellationOther);
    // Marks every slot whose PRN was listed as used for its constellation.
    void markUsed();
    // Stores a satellite in the slot of the same talker and PRN, else in the
    // first free slot; false if prn <= 0 or all slots are taken.
    bool updateSatellite(int constellation, int prn, int elevation, int azimuth, int snr, bool tracked);
    bool satelliteAt(int index, SatelliteRecord& out) const;

    int usedCount() const;
    int trackedCount() const;

    int fixStatus() const { return m_fixStatus; }
    void setFixStatus(int status) { m_fixStatus = status; }
    // Satellites in view of one constellation, as its GSV sentences said.
    int inView(int constellation) const;
    void setInView(int constellation, int count);
    int totalInView() const;
    int gpsInView() const { return inView(SatelliteRecord::ConstellationGps); }
    void setGpsInView(int count) { setInView(SatelliteRecord::ConstellationGps, count); }
    int glonassInView() const { return inView(SatelliteRecord::ConstellationGlonass); }
    void setGlonassInView(int count) { setInView(SatelliteRecord::ConstellationGlonass, count); }

    // Dilutions of precision from GSA; 0 when not sent.
    double pdop() const { return m_pdop; }
    double hdop() const { return m_hdop; }
    double vdop() const { return m_vdop; }
    void setDops(double pdop, double hdop, double vdop);

private:
    SatelliteRecord* findSlot(int constellation, int prn);

    std::array<SatelliteRecord, SlotCount> m_slots {};
    std::array<int, SlotCount> m_usedPrns {};
    std::array<int, SlotCount> m_usedConstellations {};
    std::array<int, SatelliteRecord::ConstellationCount> m_inView {};
    int m_fixStatus = FixNone;
    double m_pdop = 0.0;
    double m_hdop = 0.0;
    double m_vdop = 0.0;
};

#pragma once

// One satellite heard in GSV during the current cycle.
struct SatelliteRecord {
    // Which talker reported the satellite. Other (GN) doubles as the mark of
    // a free slot, so GN satellites never keep a slot of their own. The
    // values from GPS on are also the system ids of GSA sentences.
    enum Constellation {
        ConstellationOther = 0,
        ConstellationGps = 1,
        ConstellationGlonass = 2,
        ConstellationGalileo = 3,
        ConstellationBeiDou = 4,
        ConstellationQzss = 5,
        ConstellationCount
    };

    int prn = 0;
    int elevation = 0;
    int azimuth = 0;
    // C/N0 in dB-Hz; 0 when the receiver sent none.
    int snr = 0;
    int constellation = ConstellationOther;
    // Worked out from the PRN for GPS, GLONASS and GN satellites only: the
    // other systems number their satellites in ranges of their own.
    bool isSbas = false;
    bool isGlonass = false;
    // The receiver sent an SNR value, i.e. it is tracking the satellite.
    bool tracked = false;
    // The PRN was listed by GSA when the record was published.
    bool used = false;
};

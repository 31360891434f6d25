#pragma once

#include "gnss/GPSDecoder.h"
#include "gnss/GeoPosition.h"
#include "gnss/GpsData.h"
#include "gnss/SatelliteData.h"

#include <QStringList>
#include <QVector>

#include <algorithm>
#include <array>
#include <optional>

// Copies of what a decoder publishes, taken at the moment of publication:
// the records themselves are overwritten by the next sentences.
struct PublishedFix {
    QTime time;
    QDate date;
    double latitude = 0;
    double longitude = 0;
    double speedKnots = 0;
    double course = 0;
    int mode = 0;
};

struct PublishedSky {
    std::array<SatelliteRecord, SatelliteData::SlotCount> satellites;
    int fixStatus = 0;
    int gpsInView = 0;
    int glonassInView = 0;
    int totalInView = 0;
    int inUse = 0;
    int tracked = 0;
    double pdop = 0;
    double hdop = 0;
    double vdop = 0;

    int inView() const { return totalInView; }
    QVector<SatelliteRecord> heard() const
    {
        QVector<SatelliteRecord> list;
        for (const SatelliteRecord& satellite : satellites) {
            if (satellite.prn > 0) {
                list.append(satellite);
            }
        }
        return list;
    }
};

inline PublishedFix snapshot(const GpsData& data)
{
    return PublishedFix { data.time(), data.date(), data.position()->latitude(), data.position()->longitude(),
        data.speedOverGround(), data.courseOverGround(), data.modeIndicator() };
}

inline PublishedSky snapshot(const SatelliteData& data)
{
    PublishedSky sky;
    for (int i = 0; i < SatelliteData::SlotCount; ++i) {
        data.satelliteAt(i, sky.satellites[static_cast<size_t>(i)]);
    }
    sky.fixStatus = data.fixStatus();
    sky.gpsInView = data.gpsInView();
    sky.glonassInView = data.glonassInView();
    sky.totalInView = data.totalInView();
    sky.inUse = data.usedCount();
    sky.tracked = data.trackedCount();
    sky.pdop = data.pdop();
    sky.hdop = data.hdop();
    sky.vdop = data.vdop();
    return sky;
}

// Records every publication of a decoder, a null record as nullopt, and the
// order of the two record signals ("fix", "sky").
class GnssRecorder {
public:
    explicit GnssRecorder(GPSDecoder& decoder)
    {
        QObject::connect(&decoder, &GPSDecoder::GpsDataReceived, &decoder, [this](GpsData* data) {
            fixes.append(data ? std::optional<PublishedFix>(snapshot(*data)) : std::nullopt);
            order.append(QStringLiteral("fix"));
        });
        QObject::connect(&decoder, &GPSDecoder::SatelliteDataReceived, &decoder, [this](SatelliteData* data) {
            skies.append(data ? std::optional<PublishedSky>(snapshot(*data)) : std::nullopt);
            order.append(QStringLiteral("sky"));
        });
        QObject::connect(&decoder, &GPSDecoder::GPSTextMessageReceived, &decoder,
            [this](const QString& text) { texts.append(text); });
    }

    int nullSkies() const
    {
        return static_cast<int>(
            std::count_if(skies.begin(), skies.end(), [](const auto& sky) { return !sky; }));
    }

    void clear()
    {
        fixes.clear();
        skies.clear();
        texts.clear();
        order.clear();
    }

    QVector<std::optional<PublishedFix>> fixes;
    QVector<std::optional<PublishedSky>> skies;
    QStringList texts;
    QStringList order;
};

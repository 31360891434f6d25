#pragma once

#include "gnss/GpsData.h"
#include "gnss/SatelliteData.h"

#include <QObject>
#include <QString>
#include <QStringList>

class NmeaSentence;
class QTimer;

// Picks the RMC, GSA, GSV and TXT sentences of the GNSS receiver out of the
// received lines and publishes one position and one satellite record per RMC
// cycle. The records stay owned by the decoder and are overwritten by the next
// sentences: receivers must read them at once and never keep them.
class GPSDecoder : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 2000;
    static constexpr int TextMessageSlots = 100;

    explicit GPSDecoder(QObject* parent = nullptr);

    // Empties the records at connect and disconnect; timers and the RMC gate
    // are left alone.
    void reset();

    bool isWaitingForRmc() const { return m_waitingForRmc; }
    // For tests and unusual receivers; the same interval serves all three kinds.
    void setTimeoutInterval(int milliseconds);

signals:
    void GpsDataReceived(GpsData* gpsData);
    void SatelliteDataReceived(SatelliteData* satelliteData);
    void GPSTextMessageReceived(QString message);
    // reset() emptied the records.
    void RecordsReset();
    // Every received line from a GNSS talker, whatever its kind, for
    // recording.
    void GnssSentenceReceived(QString line);

public slots:
    void OnReceived(QString received);
    void OnRMCTimeout();
    void OnGSATimeout();
    void OnGSVTimeout();
    void onWaitForRmc();

private:
    QTimer* createTimer(void (GPSDecoder::*timeout)());
    SatelliteData* satelliteData();
    void publishSatellites();
    void decodeGsa(const NmeaSentence& sentence);
    static int gsaConstellation(const NmeaSentence& sentence);
    void decodeGsv(const NmeaSentence& sentence);
    void decodeGsvSatellite(const NmeaSentence& sentence, int firstField, int constellation);
    void decodeRmc(const NmeaSentence& sentence);
    void decodeTxt(const NmeaSentence& sentence);

    QTimer* m_rmcTimer;
    QTimer* m_gsaTimer;
    QTimer* m_gsvTimer;
    GpsData* m_gpsData = nullptr;
    SatelliteData* m_satelliteData = nullptr;
    bool m_waitingForRmc = true;
    QStringList m_textMessages;
};

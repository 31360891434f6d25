#pragma once

#include "gnss/GpsData.h"
#include "gnss/SatelliteData.h"
#include "gnss/SignalHistory.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QwtPlot;
class cGpsScaleDraw;
class cGnssRecordPanel;
class cHistogramItem;
class cSignalHistoryPlot;
class cSkyPlot;

// The "GNSS status" page: the latest fix as text and the satellites of the
// last RMC cycle as a bar chart of their signal levels. It keeps no data of
// its own: every update redraws from the record it is given, which belongs to
// the decoder and is read at once.
class cGpsStatusTab : public QWidget {
    Q_OBJECT

public:
    explicit cGpsStatusTab(QWidget* parent = nullptr);

    // Saves a recording under way, so that it is not lost with the window;
    // a recording that could not be saved has been told.
    void FinishRecording();

public slots:
    void OnGpsDataReceived(GpsData* gpsData);
    void OnGPSTextMessageReceived(QString text);
    void OnSatelliteDataReceived(SatelliteData* satelliteData);
    // The decoder's records were emptied for a new connection: the signal
    // history and the time to first fix start again.
    void OnRecordsReset();
    // Every received GNSS sentence, for "Record GNSS...".
    void OnGnssSentenceReceived(QString line);

private:
    QWidget* createFixPanel();
    QLabel* addRow(
        QGridLayout* grid, const QString& name, const QString& caption, const QString& toolTip = {});
    void addLegend(QGridLayout* grid, const QString& colour, const QString& name, const QString& text);
    void createPlot();
    void deleteBars();
    void createBars(const SatelliteData* satelliteData);
    void redrawPlot(const SatelliteData* satelliteData);
    void showHistory(const SatelliteData* satelliteData);
    bool isHiddenByReplay() const;

    QLabel* m_labelStatus = nullptr;
    QLabel* m_labelUtc = nullptr;
    QLabel* m_labelLatitude = nullptr;
    QLabel* m_labelLongitude = nullptr;
    QLabel* m_labelSog = nullptr;
    QLabel* m_labelCog = nullptr;
    QLabel* m_labelSatellitesInView = nullptr;
    QLabel* m_labelSatellitesInUse = nullptr;
    QLabel* m_labelSatellitesTracked = nullptr;
    QLabel* m_labelDop = nullptr;
    QLabel* m_labelFirstFix = nullptr;
    QPlainTextEdit* m_textGps = nullptr;
    QwtPlot* m_plot = nullptr;
    cGpsScaleDraw* m_scaleDraw = nullptr;
    cSkyPlot* m_skyPlot = nullptr;
    SignalHistory m_history;
    QElapsedTimer m_clock;
    cSignalHistoryPlot* m_historyPlot = nullptr;
    cGnssRecordPanel* m_recordPanel = nullptr;
    std::array<cHistogramItem*, SatelliteData::SlotCount> m_bars {};
};

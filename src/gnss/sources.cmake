list(APPEND CORE_SOURCES
    gnss/GeoPosition.cpp
    gnss/GnssRecording.cpp
    gnss/GnssReplay.cpp
    gnss/GpsData.cpp
    gnss/GPSDecoder.cpp
    gnss/SatelliteData.cpp
    gnss/SignalHistory.cpp
    gnss/SkyGeometry.cpp
)
list(APPEND WIDGET_SOURCES
    gnss/GnssFont.cpp
    gnss/cGnssRecordPanel.cpp
    gnss/cGpsScaleDraw.cpp
    gnss/cGpsStatusTab.cpp
    gnss/cHistogramItem.cpp
    gnss/cSignalHistoryPlot.cpp
    gnss/cSkyPlot.cpp
)

list(APPEND CORE_SOURCES
    gnss/GeoPosition.cpp
    gnss/GpsData.cpp
    gnss/GPSDecoder.cpp
    gnss/SatelliteData.cpp
)

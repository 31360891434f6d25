list(APPEND CORE_SOURCES
    model/Alerts.cpp
    model/Diagnostics.cpp
    model/GeoBoundary.cpp
    model/GeoFence.cpp
    model/MMSI.cpp
    model/Messages.cpp
    model/Model.cpp
    model/ModelObject.cpp
    model/SettingRules.cpp
    model/StaticData.cpp
    model/VesselData.cpp
    model/VoyageLog.cpp
)

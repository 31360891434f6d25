list(APPEND WIDGET_SOURCES
    ui/AboutDialog.cpp
    ui/AisValidator.cpp
    ui/BasicConfirmDialog.cpp
    ui/ConfigurationTab.cpp
    ui/DisconnectDialog.cpp
    ui/MainWindow.cpp
    ui/MMSIValidator.cpp
    ui/Pictures.cpp
    ui/TabBase.cpp
    ui/VesselDetailsBox.cpp
    ui/VesselDimensionsBox.cpp
    ui/VesselTab.cpp
)

list(APPEND WIDGET_SOURCES
    ui/AboutDialog.cpp
    ui/AisValidator.cpp
    ui/BasicConfirmDialog.cpp
    ui/BasicTab.cpp
    ui/ConfigurationTab.cpp
    ui/DisconnectDialog.cpp
    ui/LoginDialog.cpp
    ui/MainWindow.cpp
    ui/ModePages.cpp
    ui/MMSIValidator.cpp
    ui/Pictures.cpp
    ui/ProfileActions.cpp
    ui/ProfileCompareDialog.cpp
    ui/SetPasswordDialog.cpp
    ui/TabBase.cpp
    ui/VesselDetailsBox.cpp
    ui/VesselDimensionsBox.cpp
    ui/VesselTab.cpp
)
list(APPEND WIDGET_SOURCES
    ui/BoundedTextView.cpp
    ui/cControlTab.cpp
    ui/cDeviceActionsTab.cpp
    ui/DiagnosticsTab.cpp
    ui/DiagnosticsTexts.cpp
    ui/SerialTab.cpp
)

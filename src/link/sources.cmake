list(APPEND CORE_SOURCES
    link/LogFile.cpp
    link/PortWatcher.cpp
    link/SerialController.cpp
    link/SystemPortEnumerator.cpp
)
list(APPEND WIDGET_SOURCES
    link/LogExportMessage.cpp
    link/cConnectionManager.cpp
)

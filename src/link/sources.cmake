list(APPEND CORE_SOURCES
    link/PortWatcher.cpp
    link/SerialController.cpp
    link/SystemPortEnumerator.cpp
)
list(APPEND WIDGET_SOURCES
    link/cConnectionManager.cpp
)

list(APPEND CORE_SOURCES
    link/Job.cpp
    link/JobItem.cpp
    link/JobTable.cpp
    link/LineAssembler.cpp
    link/LogFile.cpp
    link/PortWatcher.cpp
    link/SerialController.cpp
    link/SerialTransport.cpp
    link/SystemPortEnumerator.cpp
    link/Transport.cpp
)
list(APPEND WIDGET_SOURCES
    link/LogExportMessage.cpp
    link/cConnectionManager.cpp
)

list(APPEND CORE_SOURCES
    session/DeviceSession.cpp
)

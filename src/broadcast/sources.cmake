list(APPEND CORE_SOURCES
    broadcast/BroadcastComparison.cpp
    broadcast/BroadcastSettings.cpp
)

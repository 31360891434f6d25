list(APPEND CORE_SOURCES
    control/StateMachine.cpp
    control/UpdaterLauncher.cpp
)

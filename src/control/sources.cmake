list(APPEND CORE_SOURCES
    control/StateMachine.cpp
    control/ProcessProbe.cpp
    control/UpdaterLauncher.cpp
    control/UpdateCheck.cpp
)

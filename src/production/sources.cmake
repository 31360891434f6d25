list(APPEND CORE_SOURCES
    production/InterruptWatch.cpp
    production/MmsiList.cpp
    production/TerminalPassword.cpp
)

list(APPEND CORE_SOURCES
    production/InterruptWatch.cpp
    production/MmsiList.cpp
    production/MmsiPool.cpp
    production/TerminalPassword.cpp
)

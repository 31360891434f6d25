list(APPEND CORE_SOURCES
    production/MmsiList.cpp
)

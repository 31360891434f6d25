list(APPEND CORE_SOURCES
    history/ConfigurationLogImport.cpp
    history/ProgrammingHistory.cpp
)

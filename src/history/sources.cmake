list(APPEND CORE_SOURCES
    history/ConfigurationLogImport.cpp
    history/HistoryWriter.cpp
    history/PendingRows.cpp
    history/ProgrammingHistory.cpp
)

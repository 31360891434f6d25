list(APPEND CORE_SOURCES
    voyage/VoyageLogExport.cpp
    voyage/VoyageRecord.cpp
)

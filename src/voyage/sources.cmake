list(APPEND CORE_SOURCES
    voyage/VoyageLogCollector.cpp
    voyage/VoyageLogExport.cpp
    voyage/VoyageRecord.cpp
)
list(APPEND WIDGET_SOURCES
    voyage/CentredCheckDelegate.cpp
    voyage/VoyageLogTab.cpp
)

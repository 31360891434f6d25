list(APPEND CORE_SOURCES
    app/BaudType.cpp
    app/JobNames.cpp
)
list(APPEND WIDGET_SOURCES
)

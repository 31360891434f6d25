list(APPEND WIDGET_SOURCES
    ui/MainWindow.cpp
)

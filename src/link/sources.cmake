list(APPEND CORE_SOURCES
    link/SerialController.cpp
    link/SystemPortEnumerator.cpp
)
list(APPEND WIDGET_SOURCES
)

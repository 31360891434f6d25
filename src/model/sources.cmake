list(APPEND CORE_SOURCES
    model/ModelObject.cpp
)

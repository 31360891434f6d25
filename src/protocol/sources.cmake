list(APPEND CORE_SOURCES
    protocol/AISSentence.cpp
    protocol/NmeaSentence.cpp
    protocol/NmeaShellCommand.cpp
)

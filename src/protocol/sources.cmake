list(APPEND CORE_SOURCES
    protocol/AISSentence.cpp
    protocol/NmeaSentence.cpp
    protocol/NmeaShellCommand.cpp
)
list(APPEND CORE_SOURCES
    protocol/cSecurityDomainManager.cpp
)
list(APPEND WIDGET_SOURCES
    protocol/cChapPasswordEntry.cpp
    protocol/cChapPasswordEntry.ui
)

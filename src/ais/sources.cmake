list(APPEND CORE_SOURCES
    ais/AisBits.cpp
    ais/AisDecoder.cpp
    ais/AisMessage.cpp
)

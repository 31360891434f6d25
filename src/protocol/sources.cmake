list(APPEND CORE_SOURCES
    protocol/AISSentence.cpp
    protocol/CommandHistory.cpp
    protocol/ConsoleClock.cpp
    protocol/ConsoleLine.cpp
    protocol/NmeaSentence.cpp
    protocol/NmeaShellCommand.cpp
    protocol/TypedLine.cpp
)
list(APPEND CORE_SOURCES
    protocol/cSecurityDomainManager.cpp
    protocol/PasswordWait.cpp
)
list(APPEND WIDGET_SOURCES
    protocol/cChapPasswordEntry.cpp
    protocol/cChapPasswordEntry.ui
)
list(APPEND CORE_SOURCES
    protocol/AISSentenceBattStatus.cpp
    protocol/AISSentenceBattVolt.cpp
    protocol/AISSentenceBracketErrorBehaviour.cpp
    protocol/AISSentenceEncryptionFenceEnabled.cpp
    protocol/AISSentenceFreq.cpp
    protocol/AISSentenceGBEnabled.cpp
    protocol/AISSentenceGBEnabledvX.cpp
    protocol/AISSentenceGBInOut.cpp
    protocol/AISSentenceGeofenceAudibleAlertEnable.cpp
    protocol/AISSentenceHalvexFenceEnabled.cpp
    protocol/AISSentenceInsideGeofenceBehaviour.cpp
    protocol/AISSentenceLedSetting.cpp
    protocol/AISSentenceMsgTI.cpp
    protocol/AISSentenceOffBracketBehaviour.cpp
    protocol/AISSentenceOperationalFenceEnabled.cpp
    protocol/AISSentenceOutsideGeofenceBehaviour.cpp
    protocol/AISSentencePowerBoxAlertEnable.cpp
    protocol/AISSentencePowerBoxEnable.cpp
    protocol/AISSentencePowerBoxSetting.cpp
    protocol/AISSentenceRSSI.cpp
    protocol/AISSentenceSMM.cpp
    protocol/AISSentenceSSD.cpp
    protocol/AISSentenceSbasEnable.cpp
    protocol/AISSentenceSosAlertEnable.cpp
    protocol/AISSentenceSosAudibleAlertEnable.cpp
    protocol/AISSentenceSosMessageText.cpp
    protocol/AISSentenceVSD.cpp
    protocol/AISSentenceVoyageLogDistance.cpp
    protocol/AISSentenceVoyageLogPeriod.cpp
)

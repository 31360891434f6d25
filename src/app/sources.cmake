list(APPEND CORE_SOURCES
    app/AdvancedPassword.cpp
    app/AppSettings.cpp
    app/BaudType.cpp
    app/CommandLine.cpp
    app/CompleteFile.cpp
    app/CsvField.cpp
    app/InstallLayout.cpp
    app/JobNames.cpp
    app/PlatformInfo.cpp
    app/ProgramIdentity.cpp
    app/TranslationLoader.cpp
    app/UpdateImages.cpp
)
list(APPEND WIDGET_SOURCES
    app/FocusFrameStyle.cpp
    app/VelmoraApplication.cpp
)

list(APPEND CORE_SOURCES
    profile/Profile.cpp
    profile/ProfileBackups.cpp
    profile/ProfileComparison.cpp
    profile/ProfileFile.cpp
    profile/ProfileSetting.cpp
)

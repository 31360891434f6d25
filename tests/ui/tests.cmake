velmora_add_test(test_ui_validators SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestValidators.cpp TIMEOUT 30)
velmora_add_test(test_ui_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDialogs.cpp TIMEOUT 30)
velmora_add_test(test_ui_configurationtab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestConfigurationTab.cpp TIMEOUT 30)
velmora_add_test(test_ui_mainwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp TIMEOUT 60)
velmora_add_test(test_ui_basictab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBasicTab.cpp TIMEOUT 60)
velmora_add_test(test_ui_passworddialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPasswordDialogs.cpp TIMEOUT 30)
velmora_add_test(test_ui_controltab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestControlTab.cpp TIMEOUT 30)
velmora_add_test(test_ui_deviceactionstab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDeviceActionsTab.cpp TIMEOUT 30)
velmora_add_test(test_ui_diagnosticstab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDiagnosticsTab.cpp TIMEOUT 60)
velmora_add_test(test_ui_broadcastsview SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBroadcastsView.cpp TIMEOUT 30)
velmora_add_test(test_ui_serialtab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSerialTab.cpp TIMEOUT 60)

# Not a test: run it by hand (see the README's performance section).
if(NOT VELMORA_SANITIZE)
    add_executable(bench_serialtab ${CMAKE_CURRENT_LIST_DIR}/BenchSerialTab.cpp)
    target_link_libraries(bench_serialtab PRIVATE velmora_widgets)
endif()
velmora_add_test(test_ui_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestEndToEnd.cpp LIBS identifier_sim TIMEOUT 180)

# Not a test: makes the pictures in docs/screenshots (tests/ui/make-screenshots.sh).
if(NOT VELMORA_SANITIZE)
    add_executable(ui_screenshot_tour ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTour.cpp)
    target_link_libraries(ui_screenshot_tour PRIVATE velmora_widgets flashwell_widgets identifier_sim Qt5::Test)
endif()
velmora_add_test(test_ui_devicetabs_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDeviceTabsEndToEnd.cpp LIBS identifier_sim TIMEOUT 120)
velmora_add_test(test_ui_windowservices SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestWindowServices.cpp
    LIBS identifier_sim TIMEOUT 120)
if(TARGET test_ui_windowservices)
    add_dependencies(test_ui_windowservices record_arguments)
    target_compile_definitions(test_ui_windowservices PRIVATE
        RECORD_ARGUMENTS="$<TARGET_FILE:record_arguments>")
endif()
velmora_add_test(test_ui_profiles_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProfilesEndToEnd.cpp
    LIBS identifier_sim TIMEOUT 180)
velmora_add_test(test_ui_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAccessibility.cpp
    LIBS flashwell_widgets identifier_sim TIMEOUT 180)
# Not built in the sanitizer build: it needs the updater's window.
if(NOT VELMORA_SANITIZE)
    velmora_add_test(test_ui_translations SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTranslations.cpp
        LIBS flashwell_widgets identifier_sim TIMEOUT 180)
    add_dependencies(test_ui_translations translations)
    target_compile_definitions(test_ui_translations PRIVATE
        TRANSLATIONS_DIR="${PROJECT_SOURCE_DIR}/translations" PROJECT_DIR="${PROJECT_SOURCE_DIR}")
    # Without an argument it checks German; French runs as a test of its own.
    add_test(NAME test_ui_translations_fr COMMAND test_ui_translations fr)
    set_tests_properties(test_ui_translations_fr PROPERTIES
        TIMEOUT 180 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
velmora_add_test(test_ui_recovery_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestRecoveryEndToEnd.cpp
    LIBS identifier_sim TIMEOUT 300)

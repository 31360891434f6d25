velmora_add_test(test_baudtype CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBaudType.cpp)
velmora_add_test(test_advancedpassword CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAdvancedPassword.cpp)
velmora_add_test(test_appsettings CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAppSettings.cpp)
velmora_add_test(test_updateimages CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateImages.cpp)
velmora_add_test(test_commandline CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCommandLine.cpp)
velmora_add_test(test_platforminfo CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPlatformInfo.cpp)
velmora_add_test(test_installlayout CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestInstallLayout.cpp)
velmora_add_test(test_velmoraapplication
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVelmoraApplication.cpp ${CMAKE_CURRENT_LIST_DIR}/../link/PtyPeer.cpp
    LIBS util TIMEOUT 60)
if(TARGET test_velmoraapplication)
    add_dependencies(test_velmoraapplication velmora translations)
endif()

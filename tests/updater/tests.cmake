velmora_add_test(test_xmodem1ksend CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestXmodem1KSend.cpp LIBS flashwell_core)
velmora_add_test(test_shellsentence CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestShellSentence.cpp LIBS flashwell_core)
velmora_add_test(test_updaterequest CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateRequest.cpp LIBS flashwell_core)
velmora_add_test(test_bootloaderentry CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBootLoaderEntry.cpp
    LIBS flashwell_core)
velmora_add_test(test_autoconfigrunner CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAutoconfigRunner.cpp
    LIBS flashwell_core)
velmora_add_test(test_xmodem_against_rx CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestXmodemAgainstRx.cpp ${CMAKE_CURRENT_LIST_DIR}/RxReceiver.cpp
    LIBS flashwell_core TIMEOUT 180)
# rx answers in its own time: alone on the machine it is not starved by the
# tests beside it (a sanitised sender and a starved rx time each other out).
set_tests_properties(test_xmodem_against_rx PROPERTIES RUN_SERIAL TRUE)

# The transfer-time comparison with lrzsz's sx, run by hand.
if(NOT VELMORA_SANITIZE)
    add_executable(bench_xmodem1ksend ${CMAKE_CURRENT_LIST_DIR}/BenchXmodem1KSend.cpp
        ${CMAKE_CURRENT_LIST_DIR}/RxReceiver.cpp)
    target_link_libraries(bench_xmodem1ksend PRIVATE flashwell_core Qt5::Test)
endif()

velmora_add_test(test_flashwell SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFlashwell.cpp
    LIBS flashwell_widgets identifier_sim TIMEOUT 240)
if(TARGET test_flashwell)
    add_dependencies(test_flashwell Flashwell)
endif()

# Both programs from a folder of their own, against the simulated Identifier.
velmora_add_test(test_update_end_to_end
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateEndToEnd.cpp ${CMAKE_CURRENT_LIST_DIR}/VncScreen.cpp
    LIBS identifier_sim Qt5::Network TIMEOUT 240)
if(TARGET test_update_end_to_end)
    add_dependencies(test_update_end_to_end velmora Flashwell)
endif()

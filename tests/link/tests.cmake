velmora_add_test(test_serialcontroller CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSerialController.cpp ${CMAKE_CURRENT_LIST_DIR}/PtyPeer.cpp
    LIBS util TIMEOUT 60)
velmora_add_test(test_portwatcher CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPortWatcher.cpp ${CMAKE_CURRENT_LIST_DIR}/PtyPeer.cpp
    LIBS util TIMEOUT 30)
velmora_add_test(test_connectionmanager
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestConnectionManager.cpp TIMEOUT 30)
velmora_add_test(test_logfile CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestLogFile.cpp TIMEOUT 30)
velmora_add_test(test_transport CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTransport.cpp TIMEOUT 60)
velmora_add_test(test_serialtransport CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSerialTransport.cpp LIBS identifier_sim TIMEOUT 90)
velmora_add_test(test_transportjobs CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestTransportJobs.cpp LIBS identifier_sim TIMEOUT 120)

# Not a test: run it by hand (see the README's performance section).
if(NOT VELMORA_SANITIZE)
    add_executable(bench_transport ${CMAKE_CURRENT_LIST_DIR}/BenchTransport.cpp)
    target_link_libraries(bench_transport PRIVATE velmora_core)
    target_compile_definitions(bench_transport PRIVATE BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_dependencies(bench_transport identifier-sim)
endif()

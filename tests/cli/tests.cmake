velmora_add_test(test_cli_endtoend CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliEndToEnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliHarness.cpp LIBS identifier_sim TIMEOUT 360)
add_dependencies(test_cli_endtoend velmora-cli)
velmora_add_test(test_cli_monitor CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliMonitor.cpp
    LIBS identifier_sim TIMEOUT 120)
add_dependencies(test_cli_monitor velmora-cli)

velmora_add_test(test_cli_update CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliUpdate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CliHarness.cpp LIBS identifier_sim flashwell_core TIMEOUT 240)
add_dependencies(test_cli_update velmora-cli)

# Not tests: production on 1, 4 and 8 simulated devices, and an update of 1
# then 4; figures in the README.
if(NOT VELMORA_SANITIZE)
    foreach(name Production Update)
        string(TOLOWER ${name} bench)
        add_executable(bench_${bench} ${CMAKE_CURRENT_LIST_DIR}/Bench${name}.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BenchDevices.cpp)
        target_link_libraries(bench_${bench} PRIVATE Qt5::Core)
        target_compile_definitions(bench_${bench} PRIVATE BINARY_DIR="${PROJECT_BINARY_DIR}")
        add_dependencies(bench_${bench} identifier-sim velmora-cli)
    endforeach()
endif()

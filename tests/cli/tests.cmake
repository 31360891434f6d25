velmora_add_test(test_cli_endtoend CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliEndToEnd.cpp
    LIBS identifier_sim TIMEOUT 480)
add_dependencies(test_cli_endtoend velmora-cli)
velmora_add_test(test_cli_monitor CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliMonitor.cpp
    LIBS identifier_sim TIMEOUT 120)
add_dependencies(test_cli_monitor velmora-cli)

# Not a test: production on 1, 4 and 8 simulated devices, figures in the README.
if(NOT VELMORA_SANITIZE)
    add_executable(bench_production ${CMAKE_CURRENT_LIST_DIR}/BenchProduction.cpp)
    target_link_libraries(bench_production PRIVATE Qt5::Core)
    target_compile_definitions(bench_production PRIVATE BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_dependencies(bench_production identifier-sim velmora-cli)
endif()

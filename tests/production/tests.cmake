velmora_add_test(test_mmsilist CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMmsiList.cpp)

# The pool's tests and benchmark start a PostgreSQL server of their own;
# pool_claimer is a programming station without devices.
add_library(velmora_postgres_server STATIC ${CMAKE_CURRENT_LIST_DIR}/PostgresServer.cpp)
target_link_libraries(velmora_postgres_server PUBLIC Qt5::Core Qt5::Sql)
add_executable(pool_claimer ${CMAKE_CURRENT_LIST_DIR}/PoolClaimer.cpp)
target_link_libraries(pool_claimer PRIVATE velmora_core)
velmora_add_test(test_mmsipool CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMmsiPool.cpp
    LIBS velmora_postgres_server identifier_sim TIMEOUT 240)
target_compile_definitions(test_mmsipool PRIVATE POOL_CLAIMER="$<TARGET_FILE:pool_claimer>")
add_dependencies(test_mmsipool pool_claimer velmora-cli)

# Not a test: claims per second and one claim's time, figures in the README.
if(NOT VELMORA_SANITIZE)
    add_executable(bench_mmsipool ${CMAKE_CURRENT_LIST_DIR}/BenchMmsiPool.cpp)
    target_link_libraries(bench_mmsipool PRIVATE velmora_core velmora_postgres_server)
    target_include_directories(bench_mmsipool PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_compile_definitions(bench_mmsipool PRIVATE POOL_CLAIMER="$<TARGET_FILE:pool_claimer>")
    add_dependencies(bench_mmsipool pool_claimer)
endif()

velmora_add_test(test_mmsilist CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMmsiList.cpp)

# The pool's tests and benchmark start a PostgreSQL server of their own;
# pool_claimer is a programming station without devices.
add_library(velmora_postgres_server STATIC ${CMAKE_CURRENT_LIST_DIR}/PostgresServer.cpp)
target_link_libraries(velmora_postgres_server PUBLIC Qt5::Core Qt5::Sql)
add_executable(pool_claimer ${CMAKE_CURRENT_LIST_DIR}/PoolClaimer.cpp)
target_link_libraries(pool_claimer PRIVATE velmora_core)
velmora_add_test(test_mmsipool CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMmsiPool.cpp
    LIBS velmora_postgres_server TIMEOUT 240)
target_compile_definitions(test_mmsipool PRIVATE POOL_CLAIMER="$<TARGET_FILE:pool_claimer>")
add_dependencies(test_mmsipool pool_claimer velmora-cli)

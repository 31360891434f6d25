velmora_add_test(test_cli_endtoend CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestCliEndToEnd.cpp
    LIBS identifier_sim TIMEOUT 240)
add_dependencies(test_cli_endtoend velmora-cli)

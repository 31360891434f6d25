velmora_add_test(test_baudtype CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBaudType.cpp)

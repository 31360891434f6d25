velmora_add_test(test_mmsilist CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMmsiList.cpp)

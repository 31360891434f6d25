velmora_add_test(test_model CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestModel.cpp)

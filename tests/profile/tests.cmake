velmora_add_test(test_profile CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProfile.cpp)

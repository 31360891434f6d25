velmora_add_test(test_programminghistory CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProgrammingHistory.cpp TIMEOUT 90)

velmora_add_test(test_programminghistory CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProgrammingHistory.cpp TIMEOUT 90)
velmora_add_test(test_programminghistory_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProgrammingHistoryDialog.cpp TIMEOUT 30)

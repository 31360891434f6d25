velmora_add_test(test_broadcast_comparison CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBroadcastComparison.cpp TIMEOUT 30)

velmora_add_test(test_statemachine CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStateMachine.cpp TIMEOUT 60)

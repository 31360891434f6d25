velmora_add_test(test_statemachine CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStateMachine.cpp TIMEOUT 60)

add_executable(record_arguments ${CMAKE_CURRENT_LIST_DIR}/RecordArguments.cpp)
velmora_add_test(test_statemachinelink CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStateMachineLink.cpp LIBS identifier_sim TIMEOUT 180)
if(TARGET test_statemachinelink)
    add_dependencies(test_statemachinelink record_arguments)
    target_compile_definitions(test_statemachinelink PRIVATE
        RECORD_ARGUMENTS="$<TARGET_FILE:record_arguments>")
endif()
velmora_add_test(test_updatecheck CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestUpdateCheck.cpp)
velmora_add_test(test_processprobe CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProcessProbe.cpp TIMEOUT 30)

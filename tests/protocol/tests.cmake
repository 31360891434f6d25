velmora_add_test(test_nmeasentence CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNmeaSentence.cpp)
velmora_add_test(test_nmeashellcommand CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNmeaShellCommand.cpp)
velmora_add_test(test_aissentence CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAISSentence.cpp)

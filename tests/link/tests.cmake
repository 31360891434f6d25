velmora_add_test(test_serialcontroller CORE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSerialController.cpp ${CMAKE_CURRENT_LIST_DIR}/PtyPeer.cpp
    LIBS util TIMEOUT 60)

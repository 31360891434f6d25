# The simulated Identifier, driven through its terminal by a raw client.
set(SIM_TEST_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/RawClient.cpp)
foreach(test Shell)
    velmora_add_test(test_sim_${test} CORE
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSim${test}.cpp ${SIM_TEST_SUPPORT}
        LIBS identifier_sim
        TIMEOUT 60)
endforeach()

# The simulated Identifier, driven through its terminal by a raw client.
foreach(test Shell Security Streams BootLoader Faults Program)
    velmora_add_test(test_sim_${test} CORE
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSim${test}.cpp ${CMAKE_CURRENT_LIST_DIR}/RawClient.cpp
        LIBS identifier_sim
        TIMEOUT 60)
endforeach()
if(TARGET test_sim_Program)
    add_dependencies(test_sim_Program identifier-sim)
endif()

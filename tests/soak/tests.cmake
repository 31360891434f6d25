# Not a test: the program driven for a long run by scripts/soak.sh.
if(NOT VELMORA_SANITIZE)
    add_executable(velmora_soak ${CMAKE_CURRENT_LIST_DIR}/SoakDriver.cpp)
    target_link_libraries(velmora_soak PRIVATE velmora_widgets Qt5::Test)
endif()

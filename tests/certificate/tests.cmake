velmora_add_test(test_certificate CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestProgrammingCertificate.cpp
    LIBS velmora_print)

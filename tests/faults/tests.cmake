# The fault matrix: the program (and the updater) against a misbehaving
# simulated Identifier, one fault per case.
velmora_add_test(test_faults_readwrite SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFaultsReadWrite.cpp
    LIBS identifier_sim TIMEOUT 120)
velmora_add_test(test_faults_voyage SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFaultsVoyage.cpp
    LIBS identifier_sim TIMEOUT 120)
velmora_add_test(test_faults_firmware SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFaultsFirmware.cpp
    LIBS flashwell_widgets identifier_sim TIMEOUT 120)
velmora_add_test(test_faults_portandfiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFaultsPortAndFiles.cpp
    LIBS identifier_sim TIMEOUT 120)

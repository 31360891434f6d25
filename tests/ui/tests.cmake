velmora_add_test(test_ui_validators SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestValidators.cpp TIMEOUT 30)
velmora_add_test(test_ui_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDialogs.cpp TIMEOUT 30)
velmora_add_test(test_ui_configurationtab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestConfigurationTab.cpp TIMEOUT 30)

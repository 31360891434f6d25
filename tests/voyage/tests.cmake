velmora_add_test(test_voyagerecord CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVoyageRecord.cpp)

# The exports are checked by independent readers: the OGC KML 2.2 schema
# (xmllint), GDAL's ogrinfo and Python's csv module.
velmora_add_test(test_voyagelogexport CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVoyageLogExport.cpp)
target_compile_definitions(test_voyagelogexport PRIVATE VOYAGE_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}")
# The same checks once more in a process whose locale writes a decimal comma.
add_test(NAME test_voyagelogexport_decimal_comma COMMAND test_voyagelogexport)
set_tests_properties(test_voyagelogexport_decimal_comma PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8;VOYAGE_EXPECT_DECIMAL_COMMA=1;ASAN_OPTIONS=detect_leaks=0")

velmora_add_test(test_voyagelogtab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVoyageLogTab.cpp)

# The page against the simulated Identifier, through the real state machine
# and transport.
velmora_add_test(test_voyageloglink SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestVoyageLogLink.cpp
    LIBS identifier_sim TIMEOUT 240)
# Not built in the sanitizer build, which has no widgets.
if(TARGET test_voyageloglink)
    target_compile_definitions(test_voyageloglink PRIVATE VOYAGE_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}")
endif()

velmora_add_test(test_gnss_records CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGnssRecords.cpp)
velmora_add_test(test_gpsdecoder CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGpsDecoder.cpp)
velmora_add_test(test_gnss_replay CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGnssReplay.cpp TIMEOUT 60)
velmora_add_test(test_gpsdecoder_captures CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGpsDecoderCaptures.cpp)
# Timing figures mean something only in the optimised build.
velmora_add_test(bench_gpsdecoder SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGpsDecoder.cpp)
velmora_add_test(test_gpsstatustab SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGpsStatusTab.cpp)
velmora_add_test(test_gnss_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGnssEndToEnd.cpp LIBS identifier_sim TIMEOUT 120)

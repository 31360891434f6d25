velmora_add_test(test_aisdecoder CORE SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestAisDecoder.cpp TIMEOUT 60)
# Timing figures mean something only in the optimised build.
velmora_add_test(bench_aisdecoder SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchAisDecoder.cpp)

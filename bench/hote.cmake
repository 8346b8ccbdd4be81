list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_hote.cpp)

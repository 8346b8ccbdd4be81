# A rectangle's release and one live-trace move on the largest picture at zoom 8.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_retouche.cpp)

# Packed sprites: sizes on a photo, a sheet, a level and its tile maps against their plain size
# and a greedy parse, and the time to pack 64 KB.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_compression.cpp)
cmake_language(DEFER CALL add_dependencies corvanel-bench Tavisk corvanel-plugin-hote)

# A large level made into unique tiles and a map in one corvanel-convert run, against decoding it.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_carte.cpp)
cmake_language(DEFER CALL add_dependencies corvanel-bench corvanel-convert Tavisk corvanel-plugin-hote)

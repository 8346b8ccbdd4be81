# A sprite sheet cut in one corvanel-convert call against the same sheet as one picture.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_planche.cpp)
cmake_language(DEFER CALL add_dependencies corvanel-bench corvanel-convert Tavisk corvanel-plugin-hote)

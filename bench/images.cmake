# An animation's frames: every frame as a sheet against one frame, in time and in memory.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_images.cpp)
cmake_language(DEFER CALL add_dependencies corvanel-bench corvanel-convert Tavisk corvanel-plugin-hote)

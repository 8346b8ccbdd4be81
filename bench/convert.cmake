# corvanel-convert on 100 large bitmaps against ImageMagick run once per file.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_convert.cpp)
# The converter and its plug-ins are run as programs, so the bench only needs them built first.
cmake_language(DEFER CALL add_dependencies corvanel-bench corvanel-convert Tavisk)

# The mask editor's repaint and one pencil release on a full picture at zoom 8.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_mask.cpp)

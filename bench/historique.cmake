# The picture's history: recording a step, one undo with the windows' repaint, and the memory
# of 100 steps of the largest picture with its mask.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_historique.cpp)

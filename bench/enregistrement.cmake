# A picture save through the host's save function, with the real plug-ins.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_enregistrement.cpp)
cmake_language(DEFER CALL add_dependencies corvanel-bench Tavisk Sauvegarde)

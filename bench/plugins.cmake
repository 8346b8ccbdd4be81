# Each plug-in's save of a full 8-level picture against one plain write of as many bytes.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_plugins.cpp)
# The libraries are loaded at run time, so the bench only needs them built first.
cmake_language(DEFER CALL add_dependencies corvanel-bench
               Pelkor Tavisk Roskel Quenda Mervil Sauvegarde)

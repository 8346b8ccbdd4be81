# The shipped plug-in libraries, loaded at run time from Plugin/ as the program loads them.
corvanel_test(tst_Plugins ${CMAKE_CURRENT_SOURCE_DIR}/tst_Plugins.cpp)
target_link_libraries(tst_Plugins PRIVATE plugin_api)
add_dependencies(tst_Plugins ${corvanel_plugins_livres})

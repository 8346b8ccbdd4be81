# What the shipped plug-in libraries say of themselves and the bytes they write, loaded at run
# time from Plugin/ as the program loads them.
corvanel_test(tst_Plugins_Formats ${CMAKE_CURRENT_SOURCE_DIR}/tst_Plugins_Formats.cpp)
target_link_libraries(tst_Plugins_Formats PRIVATE plugin_api)
add_dependencies(tst_Plugins_Formats ${corvanel_plugins_livres})

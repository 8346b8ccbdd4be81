# The shipped plug-in libraries under strain, loaded at run time from Plugin/ as the program
# loads them.
corvanel_test(tst_Plugins_Epreuves ${CMAKE_CURRENT_SOURCE_DIR}/tst_Plugins_Epreuves.cpp)
target_link_libraries(tst_Plugins_Epreuves PRIVATE plugin_api)
add_dependencies(tst_Plugins_Epreuves ${corvanel_plugins_livres})

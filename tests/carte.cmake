# Tile maps written through the shipped plug-ins, built by the 68000 tools and read back.
corvanel_test(tst_Carte tst_Carte.cpp)
target_link_libraries(tst_Carte PRIVATE corvanel_noyau)
add_dependencies(tst_Carte ${corvanel_plugins_livres} corvanel-plugin-hote)

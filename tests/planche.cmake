# Sprite sheets written through the shipped plug-ins, built by the 68000 tools.
corvanel_test(tst_Planche tst_Planche.cpp)
target_link_libraries(tst_Planche PRIVATE corvanel_noyau)
add_dependencies(tst_Planche ${corvanel_plugins_livres} Essai_Image corvanel-plugin-hote)

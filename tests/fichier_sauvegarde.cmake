corvanel_test(tst_Fichier_Sauvegarde tst_Fichier_Sauvegarde.cpp)
target_link_libraries(tst_Fichier_Sauvegarde PRIVATE corvanel_noyau)
# The shipped plug-in that writes the save file; the test that needs it skips otherwise.
if(TARGET Sauvegarde)
    add_dependencies(tst_Fichier_Sauvegarde Sauvegarde)
endif()

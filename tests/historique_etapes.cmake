# Undo and redo of every step, and the history past its length.
corvanel_test(tst_Historique_Etapes tst_Historique_Etapes.cpp)
target_link_libraries(tst_Historique_Etapes PRIVATE corvanel_fenetres)
if(TARGET Sauvegarde)
    add_dependencies(tst_Historique_Etapes Sauvegarde)
endif()

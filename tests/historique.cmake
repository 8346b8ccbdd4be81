# Undo and redo of every step, failed openings and the question about unsaved work.
corvanel_test(tst_Historique tst_Historique.cpp)
target_link_libraries(tst_Historique PRIVATE corvanel_fenetres)
if(TARGET Sauvegarde)
    add_dependencies(tst_Historique Sauvegarde)
endif()

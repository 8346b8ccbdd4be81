# corvanel-convert run as a program: its refusals, its help and its list of plug-ins.
corvanel_test(tst_Convert_Erreurs ${CMAKE_CURRENT_SOURCE_DIR}/tst_Convert_Erreurs.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Convert_Essai.h)
target_link_libraries(tst_Convert_Erreurs PRIVATE corvanel_fenetres)
add_dependencies(tst_Convert_Erreurs corvanel-convert ${corvanel_plugins_livres})

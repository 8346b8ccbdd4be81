# corvanel-convert run as a program, its files compared with the windows' saves of one picture.
corvanel_test(tst_Convert_Fenetres ${CMAKE_CURRENT_SOURCE_DIR}/tst_Convert_Fenetres.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Convert_Essai.h
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Convert_Fenetres PRIVATE corvanel_fenetres)
add_dependencies(tst_Convert_Fenetres corvanel-convert ${corvanel_plugins_livres})

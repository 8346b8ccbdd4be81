# corvanel-convert writing sheets, animations and tile maps, compared with the window's saves.
corvanel_test(tst_Convert_Planches ${CMAKE_CURRENT_SOURCE_DIR}/tst_Convert_Planches.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Convert_Essai.h
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Convert_Planches PRIVATE corvanel_fenetres)
add_dependencies(tst_Convert_Planches corvanel-convert ${corvanel_plugins_livres})

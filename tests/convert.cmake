# corvanel-convert run as a program, its files compared with the windows' saves.
corvanel_test(tst_Convert ${CMAKE_CURRENT_SOURCE_DIR}/tst_Convert.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Convert PRIVATE corvanel_fenetres)
add_dependencies(tst_Convert corvanel-convert ${corvanel_plugins_livres})

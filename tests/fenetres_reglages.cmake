# Start-up, the size list, the conversion and light controls, the display and the help links.
corvanel_test(tst_Fenetres_Reglages ${CMAKE_CURRENT_SOURCE_DIR}/tst_Fenetres_Reglages.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Fenetres_Reglages PRIVATE corvanel_fenetres)

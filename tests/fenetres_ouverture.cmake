# The open command: bitmaps, other pictures, save files and sources, and what it refuses.
corvanel_test(tst_Fenetres_Ouverture ${CMAKE_CURRENT_SOURCE_DIR}/tst_Fenetres_Ouverture.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Fenetres_Ouverture PRIVATE corvanel_fenetres)

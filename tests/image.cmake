corvanel_test(tst_Fenetres ${CMAKE_CURRENT_SOURCE_DIR}/tst_Fenetres.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Fenetres PRIVATE corvanel_fenetres)

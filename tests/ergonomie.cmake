# Keys, drops, recent files, the wheel, tooltips and the help page.
corvanel_test(tst_Ergonomie ${CMAKE_CURRENT_SOURCE_DIR}/tst_Ergonomie.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Ergonomie PRIVATE corvanel_fenetres)

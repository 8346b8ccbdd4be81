# The quarter turn of the picture, its mask, its source and an animation's frames.
corvanel_test(tst_Rotation ${CMAKE_CURRENT_SOURCE_DIR}/tst_Rotation.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Dialogues_Factices.h)
target_link_libraries(tst_Rotation PRIVATE corvanel_fenetres)

# The mask editor under the mouse: the pencil, the filled shapes, the display and the zoom.
corvanel_test(tst_Mask_Dessin tst_Mask_Dessin.cpp)
target_link_libraries(tst_Mask_Dessin PRIVATE corvanel_fenetres)

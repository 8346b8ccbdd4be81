# The drawing and text tools, undo and the live trace, through the real windows.
corvanel_test(tst_Retouche_Outils tst_Retouche_Outils.cpp)
target_link_libraries(tst_Retouche_Outils PRIVATE corvanel_fenetres)

# The colours read back, the transformations and the retouch palette, through the real windows.
corvanel_test(tst_Retouche_Couleurs tst_Retouche_Couleurs.cpp)
target_link_libraries(tst_Retouche_Couleurs PRIVATE corvanel_fenetres)

# The drawing tools, text, transformations and the retouch palette, through the real windows.
corvanel_test(tst_Retouche tst_Retouche.cpp)
target_link_libraries(tst_Retouche PRIVATE corvanel_fenetres)

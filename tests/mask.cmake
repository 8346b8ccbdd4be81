corvanel_test(tst_Mask tst_Mask.cpp)
target_link_libraries(tst_Mask PRIVATE corvanel_fenetres)

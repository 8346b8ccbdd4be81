corvanel_test(tst_Image ${CMAKE_CURRENT_SOURCE_DIR}/tst_Image.cpp)
target_link_libraries(tst_Image PRIVATE corvanel_noyau)

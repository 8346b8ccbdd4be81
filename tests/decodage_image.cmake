# The decoding of bitmaps and other pictures, and the files it refuses, without windows.
corvanel_test(tst_Decodage_Image ${CMAKE_CURRENT_SOURCE_DIR}/tst_Decodage_Image.cpp)
target_link_libraries(tst_Decodage_Image PRIVATE corvanel_noyau)

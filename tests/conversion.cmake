corvanel_test(tst_Conversion ${CMAKE_CURRENT_SOURCE_DIR}/tst_Conversion.cpp)
target_link_libraries(tst_Conversion PRIVATE corvanel_noyau)

# The core's document and helpers, without windows.
corvanel_test(tst_Noyau tst_Noyau.cpp)
target_link_libraries(tst_Noyau PRIVATE corvanel_noyau)

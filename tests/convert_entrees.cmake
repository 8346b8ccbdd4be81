# corvanel-convert run as a program: what it reads and the names it gives.
corvanel_test(tst_Convert_Entrees ${CMAKE_CURRENT_SOURCE_DIR}/tst_Convert_Entrees.cpp
              ${CMAKE_CURRENT_SOURCE_DIR}/Convert_Essai.h)
target_link_libraries(tst_Convert_Entrees PRIVATE corvanel_fenetres)
add_dependencies(tst_Convert_Entrees corvanel-convert ${corvanel_plugins_livres})

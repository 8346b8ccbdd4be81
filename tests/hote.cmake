corvanel_test(tst_Hote ${CMAKE_CURRENT_SOURCE_DIR}/tst_Hote.cpp)
target_link_libraries(tst_Hote PRIVATE corvanel_fenetres)
add_dependencies(tst_Hote Pelkor Tavisk Roskel Quenda Mervil Sauvegarde Velmor Lorvan Essai_App
                 Essai_32)

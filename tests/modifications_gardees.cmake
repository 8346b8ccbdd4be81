# Failed openings that leave no trace and the question about unsaved work.
corvanel_test(tst_Modifications_Gardees tst_Modifications_Gardees.cpp)
target_link_libraries(tst_Modifications_Gardees PRIVATE corvanel_fenetres)
if(TARGET Sauvegarde)
    add_dependencies(tst_Modifications_Gardees Sauvegarde)
endif()

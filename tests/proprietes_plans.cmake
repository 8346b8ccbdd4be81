corvanel_test(tst_Proprietes_Plans tst_Proprietes_Plans.cpp)
target_link_libraries(tst_Proprietes_Plans PRIVATE corvanel_fenetres)
# The shipped plug-in that writes the save file the random operations go through.
if(TARGET Sauvegarde)
    add_dependencies(tst_Proprietes_Plans Sauvegarde)
endif()

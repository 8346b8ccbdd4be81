corvanel_test(tst_Lancement_Plugins tst_Lancement_Plugins.cpp)
target_link_libraries(tst_Lancement_Plugins PRIVATE corvanel_noyau)
add_dependencies(tst_Lancement_Plugins ${corvanel_fixtures})
# The shipped plug-in whose large output the failed saves on a full disk go through.
if(TARGET Tavisk)
    add_dependencies(tst_Lancement_Plugins Tavisk)
endif()

corvanel_test(tst_Robustesse tst_Robustesse.cpp)
target_link_libraries(tst_Robustesse PRIVATE corvanel_fenetres)
# The broken libraries of the fixtures and the shipped ones it copies into its Plugin folder.
add_dependencies(tst_Robustesse ${corvanel_fixtures})
foreach(plugin Tavisk Sauvegarde)
    if(TARGET ${plugin})
        add_dependencies(tst_Robustesse ${plugin})
    endif()
endforeach()

corvanel_test(tst_Plugins_Casses tst_Plugins_Casses.cpp)
target_link_libraries(tst_Plugins_Casses PRIVATE corvanel_fenetres)
# The broken libraries of the fixtures and the shipped ones it copies into its Plugin folder.
add_dependencies(tst_Plugins_Casses ${corvanel_fixtures})
foreach(plugin Tavisk Sauvegarde)
    if(TARGET ${plugin})
        add_dependencies(tst_Plugins_Casses ${plugin})
    endif()
endforeach()

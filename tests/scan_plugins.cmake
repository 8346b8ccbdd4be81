corvanel_test(tst_Scan_Plugins tst_Scan_Plugins.cpp)
target_link_libraries(tst_Scan_Plugins PRIVATE corvanel_noyau)
add_dependencies(tst_Scan_Plugins ${corvanel_fixtures})
# The shipped plug-ins take part when they are built; the tests that need them skip otherwise.
foreach(plugin IN LISTS corvanel_plugins_livres)
    if(TARGET ${plugin})
        add_dependencies(tst_Scan_Plugins ${plugin})
    endif()
endforeach()

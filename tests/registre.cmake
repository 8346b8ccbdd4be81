corvanel_test(tst_Registre tst_Registre.cpp)
target_link_libraries(tst_Registre PRIVATE corvanel_noyau)
add_dependencies(tst_Registre ${corvanel_fixtures})
# The shipped plug-ins take part when they are built; the tests that need them skip otherwise.
foreach(plugin IN LISTS corvanel_plugins_livres)
    if(TARGET ${plugin})
        add_dependencies(tst_Registre ${plugin})
    endif()
endforeach()

# Sprite source read back, from the files the shipped plug-ins write.
corvanel_test(tst_Source tst_Source.cpp)
target_link_libraries(tst_Source PRIVATE corvanel_noyau)
add_dependencies(tst_Source ${corvanel_plugins_livres})

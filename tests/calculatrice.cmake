# The calculator's own files: the PIC plug-ins read back through libtifiles and the core's reader.
corvanel_test(tst_Calculatrice tst_Calculatrice.cpp)
target_link_libraries(tst_Calculatrice PRIVATE corvanel_noyau PkgConfig::TIFILES)
target_include_directories(tst_Calculatrice PRIVATE ${PROJECT_SOURCE_DIR}/plugins/common)
add_dependencies(tst_Calculatrice Lorvan Sevrin)

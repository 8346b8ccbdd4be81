# The installed programs, used from elsewhere as after `cmake --install`.
list(LENGTH corvanel_plugins_livres corvanel_nombre_plugins)
add_test(NAME tst_Installation
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/installation.sh ${PROJECT_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR} ${CORVANEL_ID} ${CORVANEL_INSTALL_PLUGINDIR}
                 ${CORVANEL_INSTALL_HELPDIR} ${PROJECT_VERSION} ${corvanel_nombre_plugins})
set_tests_properties(tst_Installation PROPERTIES TIMEOUT 300)

# What `cmake --install` puts under the prefix. The plug-ins install themselves through
# corvanel_plugin() (plugins/CMakeLists.txt); any helper program goes to
# ${CORVANEL_INSTALL_LIBEXECDIR} (see cmake/Emplacements.cmake).

# The build keeps the name ./Corvanel that the scripts use; installed, it is a command like any.
install(PROGRAMS $<TARGET_FILE:Corvanel> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME corvanel)
# Stripped like the installed targets with `cmake --install --strip` and in the package.
if(CMAKE_STRIP)
    install(CODE "set(corvanel_strip \"${CMAKE_STRIP}\")
                  set(corvanel_bindir \"${CMAKE_INSTALL_BINDIR}\")")
    install(CODE [[
        if(CMAKE_INSTALL_DO_STRIP)
            if(NOT IS_ABSOLUTE "${corvanel_bindir}")
                set(corvanel_bindir "${CMAKE_INSTALL_PREFIX}/${corvanel_bindir}")
            endif()
            execute_process(COMMAND "${corvanel_strip}" "$ENV{DESTDIR}${corvanel_bindir}/corvanel")
        endif()
    ]])
endif()
install(TARGETS corvanel-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/Documentation/index.htm DESTINATION ${CORVANEL_INSTALL_HELPDIR})

set(corvanel_installation ${PROJECT_SOURCE_DIR}/installation)
install(FILES ${corvanel_installation}/${CORVANEL_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${corvanel_installation}/${CORVANEL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_BINARY_DIR}/icones/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(page corvanel.1 corvanel-convert.1)
    configure_file(${corvanel_installation}/${page}.in ${PROJECT_BINARY_DIR}/installation/${page}
                   @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/installation/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# Where an installation puts each part, by the GNU and Debian conventions, and the same places
# seen from the installed program, so that it finds them wherever the prefix was moved.
include(GNUInstallDirs)

set(CORVANEL_ID org.example.corvanel.Corvanel)
# The program's private folder: its plug-ins, and any helper program it starts itself
# (install such a helper with RUNTIME DESTINATION ${CORVANEL_INSTALL_LIBEXECDIR}).
set(CORVANEL_INSTALL_LIBEXECDIR ${CMAKE_INSTALL_LIBDIR}/corvanel)
set(CORVANEL_INSTALL_PLUGINDIR ${CORVANEL_INSTALL_LIBEXECDIR}/Plugin)
# Not under doc/: Debian lets an installation leave out /usr/share/doc, and the program opens
# this page itself.
set(CORVANEL_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/corvanel/Documentation)

function(corvanel_relatif variable dossier)
    if(IS_ABSOLUTE "${dossier}")
        set(complet "${dossier}")
    else()
        set(complet "${CMAKE_INSTALL_PREFIX}/${dossier}")
    endif()
    file(RELATIVE_PATH relatif "${CMAKE_INSTALL_FULL_BINDIR}" "${complet}")
    set(${variable} "${relatif}" PARENT_SCOPE)
endfunction()
corvanel_relatif(CORVANEL_RELATIF_LIBEXECDIR ${CORVANEL_INSTALL_LIBEXECDIR})
corvanel_relatif(CORVANEL_RELATIF_PLUGINDIR ${CORVANEL_INSTALL_PLUGINDIR})
corvanel_relatif(CORVANEL_RELATIF_HELPDIR ${CORVANEL_INSTALL_HELPDIR})

# The installed places, as a header that any target may include (the version is a compile
# definition of every target, set at the top).
configure_file(${CMAKE_CURRENT_LIST_DIR}/corvanel_installation.h.in
               ${PROJECT_BINARY_DIR}/genere/corvanel_installation.h @ONLY)
add_library(corvanel_genere INTERFACE)
target_include_directories(corvanel_genere INTERFACE ${PROJECT_BINARY_DIR}/genere)

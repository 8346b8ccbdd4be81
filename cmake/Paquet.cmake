# The Debian package: `cpack -G DEB` in the build folder, from the install rules.
set(CPACK_PACKAGE_NAME corvanel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "L'équipe Corvanel")
set(CPACK_PACKAGE_CONTACT "L'équipe Corvanel <corvanel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grey-level sprites for TI-89 and TI-92 calculators")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvanel.example.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION
    "Corvanel turns a picture (bitmap, PNG, GIF or JPEG) into a sprite of 2, 4 or
8 grey levels for the TI-89 and TI-92 calculators and writes it out as source
code: C arrays of bit planes, GenLib-style arrays, 68000 assembler listings,
and the sprite's one-bit mask, or as PIC variables in a calculator group file
for TI-BASIC programs. Its interface is in French; every format is
written by a plug-in library. corvanel-convert does the same conversions from
the command line, for makefiles.")
# The build keeps its debugging data; the package does not need it.
set(CPACK_STRIP_FILES ON)
# The libraries the programs and plug-ins link (Qt 6, libtifiles), as the system's tool reads
# them; the usual set where it is missing. Qt's platform plug-ins are loaded at run time, so no tool sees them, but
# without them the window cannot open: they are a dependency, not a recommendation.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
find_program(CORVANEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVANEL_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libtifiles2-11, "
        "libstdc++6, libc6")
endif()
# French dialogs from Qt, and the desktop's browser for the help page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)

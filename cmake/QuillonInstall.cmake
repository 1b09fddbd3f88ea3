# What `cmake --install` puts under the prefix: the three programs, the desktop entry, the icon
# in the hicolor theme, the AppStream metainfo, the man page and the bash completion.
include(GNUInstallDirs)
# Installing and packaging build what they install (scripts/package names it), not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(pngs)
set(QUILLON_APP_ID org.quillon.Quillon)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quillon quillon-cli quillon-modem-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${QUILLON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${QUILLON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/quillon-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/quillon-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME quillon-cli)

set(icon_svg ${PROJECT_SOURCE_DIR}/src/app/ui/quillon.svg)
set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${icon_svg} DESTINATION ${hicolor}/scalable/apps RENAME ${QUILLON_APP_ID}.svg)

# PNG sizes for desktops that do not draw SVG icons; made only when rsvg-convert is at hand.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    foreach(size 16 24 32 48 64 128 256)
        set(png ${PROJECT_BINARY_DIR}/icons/${size}/${QUILLON_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
            DEPENDS ${icon_svg} VERBATIM)
        list(APPEND pngs ${png})
        install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/apps)
    endforeach()
else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()
add_custom_target(quillon_icons ALL DEPENDS ${pngs})

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/quillon)
install(FILES ${packaging}/README.Debian DESTINATION ${docdir})
install(FILES ${packaging}/99-quillon-modems.rules DESTINATION ${docdir}/examples)

# scripts/package: a Debian package whose dependencies come from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon developers <dev@quillon.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bulk SMS through GSM modems")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillon sends SMS in bulk through USB modems and phones that show up as\nserial ports, one worker per modem, in PDU or text mode. It comes with\nquillon-cli (the same core without a window) and quillon-modem-sim.")
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG image and icon plugins are loaded at run time, not linked, so shlibdeps cannot see them.
# The outbox opens its database through a Qt SQL driver plugin, which shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The HTML user guide Help opens when the CHM file cannot be: beside the program in the build,
# under the doc folder when installed; its pictures are the screenshots, one folder up.
file(COPY ${PROJECT_SOURCE_DIR}/docs/guide ${PROJECT_SOURCE_DIR}/docs/screenshots
     DESTINATION ${PROJECT_BINARY_DIR}/doc)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide ${PROJECT_SOURCE_DIR}/docs/screenshots
        DESTINATION ${docdir})

# What `cmake --install` puts under the prefix: the three programs, the desktop entry, the icon
# in the hicolor theme, the AppStream metainfo, the man page and the bash completion.
include(GNUInstallDirs)

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
    set(pngs)
    foreach(size 16 24 32 48 64 128 256)
        set(png ${PROJECT_BINARY_DIR}/icons/${size}/${QUILLON_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
            DEPENDS ${icon_svg} VERBATIM)
        list(APPEND pngs ${png})
        install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/apps)
    endforeach()
    add_custom_target(quillon_icons ALL DEPENDS ${pngs})
else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

# Qt Linguist: `cmake --build build --target quillon_lupdate` refreshes translations/*.ts from
# the tr() texts of the sources (not part of the default build: it reads every source file);
# the default build compiles each .ts with lrelease into build/translations/, which installs.
find_program(QT_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
             /usr/lib/qt6/bin)
find_program(QT_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
             /usr/lib/qt6/bin)
file(GLOB quillon_ts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)

if(QT_LUPDATE)
    add_custom_target(quillon_lupdate
        COMMAND ${QT_LUPDATE} -silent -locations none -recursive src cli sim -ts ${quillon_ts}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()

if(QT_LRELEASE)
    set(quillon_qm)
    foreach(ts ${quillon_ts})
        get_filename_component(base ${ts} NAME_WE)
        set(qm ${PROJECT_BINARY_DIR}/translations/${base}.qm)
        # quillon-cli runs from build/cli in the build: it gets a copy beside it.
        add_custom_command(OUTPUT ${qm}
            COMMAND ${QT_LRELEASE} -silent ${ts} -qm ${qm}
            COMMAND ${CMAKE_COMMAND} -E copy ${qm} ${PROJECT_BINARY_DIR}/cli/translations/${base}.qm
            DEPENDS ${ts} VERBATIM)
        list(APPEND quillon_qm ${qm})
    endforeach()
    add_custom_target(quillon_translations ALL DEPENDS ${quillon_qm})
    install(FILES ${quillon_qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon/translations)
else()
    add_custom_target(quillon_translations)
    message(STATUS "lrelease not found (qt6-l10n-tools): translations are not compiled")
endif()

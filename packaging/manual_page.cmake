# The manual page, twindle(6), written by help2man from the program's own --help at every build,
# so that it lists the options the program has; twindle.h2m adds what --help does not say.
find_program(TWINDLE_HELP2MAN help2man)
if(NOT TWINDLE_HELP2MAN)
    message(FATAL_ERROR "help2man not found: it writes the manual page (scripts/install-deps)")
endif()

# Section 6, games, as the package's section.
set(TWINDLE_MANUAL_PAGE ${CMAKE_CURRENT_BINARY_DIR}/twindle.6)
set(TWINDLE_MANUAL_INCLUDE ${CMAKE_CURRENT_SOURCE_DIR}/twindle.h2m)
# --version-string: the page carries the package's version. The offscreen platform lets the
# program answer --help without a display; SOURCE_DATE_EPOCH dates the page by the release.
# --help speaks the language of the system or of the builder's own settings: the page is in
# English, from no settings at all, whoever builds it.
add_custom_command(OUTPUT ${TWINDLE_MANUAL_PAGE}.gz
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        SOURCE_DATE_EPOCH=${TWINDLE_RELEASE_EPOCH} LANGUAGE=en
        XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/no-settings
        ${TWINDLE_HELP2MAN} --no-info --section=6
            --name=${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
            --version-string=${CPACK_PACKAGE_VERSION}
            --include=${TWINDLE_MANUAL_INCLUDE}
            --output=${TWINDLE_MANUAL_PAGE}
            $<TARGET_FILE:twindle>
    COMMAND gzip -9nf ${TWINDLE_MANUAL_PAGE}
    DEPENDS twindle ${TWINDLE_MANUAL_INCLUDE}
    COMMENT "Writing the manual page from twindle --help"
    VERBATIM)
add_custom_target(twindle_manual_page ALL DEPENDS ${TWINDLE_MANUAL_PAGE}.gz)
install(FILES ${TWINDLE_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The two files Debian asks of every package in /usr/share/doc/twindle: the copyright file and
# the changelog.

# The copyright file in the machine-readable format: copyright.in with the full text of every
# licence in LICENSES/, each line indented by a space and an empty line written " .".
file(GLOB licence_files RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/LICENSES/*.txt)
foreach(licence_file IN LISTS licence_files)
    file(READ ${PROJECT_SOURCE_DIR}/${licence_file} text)
    string(STRIP "${text}" text)
    string(REPLACE "\n" "\n " text " ${text}")
    # Overlapping blank lines need a second pass, so go on until none is left.
    while(text MATCHES "\n[ \t]*\n")
        string(REGEX REPLACE "\n[ \t]*\n" "\n .\n" text "${text}")
    endwhile()
    # copyright.in names it as, for example, @LICENSES_CC_BY_4_0_txt@.
    string(MAKE_C_IDENTIFIER ${licence_file} variable)
    set(${variable} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${licence_file})
endforeach()
configure_file(copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# CREDITS.md says the same in prose; the test holds the two together.
if(TWINDLE_BUILD_TESTS)
    add_test(NAME copyright_matches_credits
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-copyright
            ${CMAKE_CURRENT_BINARY_DIR}/copyright ${PROJECT_SOURCE_DIR})
    set_tests_properties(copyright_matches_credits PROPERTIES TIMEOUT 30)
endif()

# The changelog of a native package, compressed as Debian wants it: gzip -9, with no name or
# time stamp inside, so that the same tree gives the same package.
set(TWINDLE_CHANGELOG ${CMAKE_CURRENT_SOURCE_DIR}/changelog)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND gzip -9n --stdout ${TWINDLE_CHANGELOG} > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DEPENDS ${TWINDLE_CHANGELOG}
    COMMENT "Compressing the changelog")
add_custom_target(twindle_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The release's date, read off the changelog, dates what the build writes from it (the manual
# page) the way dpkg-buildpackage does.
execute_process(COMMAND dpkg-parsechangelog --file ${TWINDLE_CHANGELOG} --show-field Timestamp
    OUTPUT_VARIABLE TWINDLE_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TWINDLE_CHANGELOG})

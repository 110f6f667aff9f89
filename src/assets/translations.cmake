# The windows in the parent's language: Twindle's own translations (translations/twindle_<code>.ts,
# kept in the tree; `make translations` brings them up to date with the sources) and Qt's for its
# standard dialogs (qtbase_<code>.qm of Debian's qt6-translations-l10n). Both are built into the
# program as :/i18n/<name>.qm, as its pictures and fonts are, so that it speaks every language it
# lists with nothing installed beside it, and the tests see what a user sees.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
target_sources(twindle_assets PRIVATE languages.cpp)

set(TWINDLE_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)
file(GLOB TWINDLE_TS_FILES CONFIGURE_DEPENDS ${TWINDLE_TRANSLATIONS_DIR}/twindle_*.ts)
# lupdate reads every source of the program; a new file is found at the next configuration.
file(GLOB_RECURSE TWINDLE_TRANSLATED_SOURCES ${TWINDLE_SOURCE_ROOT}/*.cpp ${TWINDLE_SOURCE_ROOT}/*.h)
# Without line numbers, a change elsewhere in a file leaves the .ts files as they were, and
# merging branches that each add texts touches only those texts.
qt_add_translations(twindle_assets
    TS_FILES ${TWINDLE_TS_FILES}
    SOURCES ${TWINDLE_TRANSLATED_SOURCES}
    INCLUDE_DIRECTORIES ${TWINDLE_SOURCE_ROOT}
    LUPDATE_OPTIONS -locations none -no-obsolete
    LRELEASE_OPTIONS -silent)

set(qtTranslations)
foreach(tsFile IN LISTS TWINDLE_TS_FILES)
    string(REGEX REPLACE ".*/twindle_(.+)\\.ts$" "\\1" code "${tsFile}")
    set(qtbase "/usr/share/qt6/translations/qtbase_${code}.qm")
    if(EXISTS "${qtbase}")
        configure_file("${qtbase}" ${CMAKE_CURRENT_BINARY_DIR}/qt_i18n/qtbase_${code}.qm COPYONLY)
        list(APPEND qtTranslations ${CMAKE_CURRENT_BINARY_DIR}/qt_i18n/qtbase_${code}.qm)
    elseif(code STREQUAL "de")
        message(FATAL_ERROR "${qtbase} not found: install qt6-translations-l10n (scripts/install-deps)")
    else()
        message(STATUS "Qt has no translation for ${code}: its standard dialogs stay in English there")
    endif()
endforeach()
qt_add_resources(twindle_assets "qt_translations"
    PREFIX "/i18n"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/qt_i18n
    FILES ${qtTranslations})

# The Debian package: twindle_1.0.0_amd64.deb, built by `make package` with CPack from the
# install rules. Its library dependencies are read off the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
# Written into CPackConfig.cmake as they are, quotes and all.
set(CPACK_VERBATIM_VARIABLES TRUE)
set(CPACK_PACKAGE_NAME twindle)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_VENDOR "Twindle developers")
set(CPACK_PACKAGE_CONTACT "Twindle developers <developers@twindle.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pairs card game for toddlers")
set(CPACK_PACKAGE_DESCRIPTION [=[
Twindle is a pairs ("memory") card game made for toddlers. The board
shows 8 to 18 cards face down; the child turns over two of them with a
click. A matching pair leaves the board with a happy sound, a pair that
does not match turns back after a second. The cards show pictures, or
letters: the same capital twice, or a capital with its small letter.

Twindle has no advertising and never goes online.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Where the package puts the program; the desktop entry and the copyright file name it.
set(TWINDLE_PROGRAM ${CPACK_PACKAGING_INSTALL_PREFIX}/${TWINDLE_GAMES_DIR}/twindle)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt's Wayland platform, for toddler mode on a Wayland desktop, and its further image readers,
# for family photos in WebP or TIFF; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-image-formats-plugins")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/shlibdeps.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)

# The card fronts and the pictures of the windows, drawn at run time from the SVG drawings under
# art/: Twemoji glyphs (CC-BY 4.0, see CREDITS.md) and our own.
target_sources(twindle_assets PRIVATE
    about_logo.cpp
    card_back.cpp
    card_fronts.cpp
    card_painter.cpp
    photo_card.cpp
    picture_cache.cpp
    picture_canvas.cpp
    resource_pictures.cpp
    sample_pictures.cpp
    vector_art.cpp
    window_art.cpp
    window_pictures.cpp)

# Qt SVG draws them from a module of its own, loaded at the first picture from lib/twindle beside
# the program's bin directory, as the audio module is: the first frame draws no picture, and
# linked into the program Qt SVG would cost every start the binding of its symbols.
add_library(twindle_svg MODULE svg_art_renderer.cpp)
target_include_directories(twindle_svg PRIVATE ${TWINDLE_SOURCE_ROOT})
target_link_libraries(twindle_svg PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(twindle_svg PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib/twindle)
# The program finds the module only if it was built too.
add_dependencies(twindle_assets twindle_svg)

file(GLOB TWINDLE_ART RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/art CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/art/*.svg ${CMAKE_CURRENT_SOURCE_DIR}/art/twemoji/*.svg)
list(TRANSFORM TWINDLE_ART PREPEND art/)
qt_add_resources(twindle_assets "pictures"
    PREFIX "/art"
    BASE art
    FILES ${TWINDLE_ART})

# The window icon at 32 pixels, drawn at build time by tools/render_icons from the same drawing
# with the same renderer, pixel for pixel what the program would draw, as bare pixels: the window
# gets its icon without loading Qt SVG, or Qt's image readers (which load every image format
# plugin, Qt SVG's among them).
set(TWINDLE_WINDOW_ICON ${CMAKE_CURRENT_BINARY_DIR}/window_icon/twindle-32.argb)
add_custom_command(OUTPUT ${TWINDLE_WINDOW_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/window_icon
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:render_icons> --pixels ${CMAKE_CURRENT_SOURCE_DIR}/art/twindle.svg
        ${TWINDLE_WINDOW_ICON} 32
    DEPENDS render_icons ${CMAKE_CURRENT_SOURCE_DIR}/art/twindle.svg
    COMMENT "Rendering the window icon"
    VERBATIM)
qt_add_resources(twindle_assets "window_icon"
    PREFIX "/window_icon"
    BASE ${CMAKE_CURRENT_BINARY_DIR}/window_icon
    OPTIONS --no-compress
    FILES ${TWINDLE_WINDOW_ICON})

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
target_link_libraries(twindle_assets PUBLIC Qt6::Svg)

file(GLOB TWINDLE_ART RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/art CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/art/*.svg ${CMAKE_CURRENT_SOURCE_DIR}/art/twemoji/*.svg)
list(TRANSFORM TWINDLE_ART PREPEND art/)
qt_add_resources(twindle_assets "pictures"
    PREFIX "/art"
    BASE art
    FILES ${TWINDLE_ART})

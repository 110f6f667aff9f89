# The picture tools. tools/fetch-twemoji copies the Twemoji glyphs into src/assets/art/twemoji/.

# contact_sheet draws every card picture into one labelled grid; `contact-sheet` rewrites
# docs/cards.png with it, to be looked over by eye whenever a picture changes.
add_executable(contact_sheet contact_sheet.cpp)
target_link_libraries(contact_sheet PRIVATE twindle_assets)
add_custom_target(contact-sheet
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:contact_sheet> ${PROJECT_SOURCE_DIR}/docs/cards.png
    COMMENT "Drawing docs/cards.png"
    VERBATIM)

# picture_timing measures how long the card pictures take to draw, cold and cached.
add_executable(picture_timing picture_timing.cpp)
target_link_libraries(picture_timing PRIVATE twindle_assets)

# render_icons draws the program icon at the sizes desktops want, as PNG files and a Windows
# .ico, for the package (packaging/); and at 32 pixels as bare pixels, for the window itself
# (src/assets/).
add_executable(render_icons render_icons.cpp windows_icon.cpp)
target_link_libraries(render_icons PRIVATE Qt6::Gui Qt6::Svg)

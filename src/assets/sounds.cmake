# The sounds.
target_sources(twindle_assets PRIVATE resource_data.cpp)

# The sounds are synthesised at build time (tools/sound_synth) and built into the program; the
# tree holds their recipe, not the sound files.
set(TWINDLE_SOUND_DIR ${CMAKE_CURRENT_BINARY_DIR}/sounds)
set(TWINDLE_SOUNDS LOON.wav PARTY.wav BIMBLO.wav)
list(TRANSFORM TWINDLE_SOUNDS PREPEND ${TWINDLE_SOUND_DIR}/)
add_custom_command(
    OUTPUT ${TWINDLE_SOUNDS}
    COMMAND synth_sounds ${TWINDLE_SOUND_DIR}
    DEPENDS synth_sounds
    COMMENT "Synthesising the sounds"
    VERBATIM)
qt_add_resources(twindle_assets "sounds"
    PREFIX "/sounds"
    BASE ${TWINDLE_SOUND_DIR}
    FILES ${TWINDLE_SOUNDS})

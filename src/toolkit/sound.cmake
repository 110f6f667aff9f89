# The WAVE image parser: plain C++ without Qt, so that a fuzzer can drive it on its own.
add_library(twindle_wave STATIC wave_image.cpp)
target_include_directories(twindle_wave PUBLIC ${TWINDLE_SOURCE_ROOT})
target_link_libraries(twindle_wave)

# Spoken clips: their format, and the trimming and levelling that the speech synthesiser gives
# the talking cards' words and the family cards give a parent's recording. Plain C++ too.
add_library(twindle_clip STATIC clip_shaping.cpp clip_wave.cpp)
target_link_libraries(twindle_clip PUBLIC twindle_wave)

# The sound call: its timing and flags, and the way to the audio output. Qt Multimedia is not
# linked here, so that the program starts without loading the sound system.
add_library(twindle_toolkit STATIC audio_module.cpp sound_call.cpp)
target_include_directories(twindle_toolkit PUBLIC ${TWINDLE_SOURCE_ROOT})
target_link_libraries(twindle_toolkit PUBLIC twindle_wave Qt6::Core)

# The audio output and the voice recorder over Qt Multimedia, and the module that carries them,
# loaded at the first sound or recording from lib/twindle beside the program's bin directory.
add_library(twindle_audio_output STATIC audio_player.cpp qt_audio_output.cpp qt_voice_recorder.cpp)
target_include_directories(twindle_audio_output PUBLIC ${TWINDLE_SOURCE_ROOT})
target_link_libraries(twindle_audio_output
    PUBLIC twindle_clip Qt6::Core Qt6::Multimedia)

add_library(twindle_audio MODULE audio_module_entry.cpp)
target_link_libraries(twindle_audio PRIVATE twindle_audio_output)
set_target_properties(twindle_audio PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib/twindle)
# The program finds the module only if it was built too.
add_dependencies(twindle_toolkit twindle_audio)

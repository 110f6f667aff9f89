# The WAVE image parser: plain C++ without Qt, so that a fuzzer can drive it on its own.
add_library(twindle_wave STATIC wave_image.cpp)
target_include_directories(twindle_wave PUBLIC ${TWINDLE_SOURCE_ROOT})

# The sound device over Qt Multimedia, with the timing and flags of the sound call.
add_library(twindle_toolkit STATIC
    audio_player.cpp
    audio_thread.cpp
    qt_sound_device.cpp
    qt_sound_output.cpp
    timed_sound_device.cpp
)
target_include_directories(twindle_toolkit PUBLIC ${TWINDLE_SOURCE_ROOT})
target_link_libraries(twindle_toolkit PUBLIC twindle_wave Qt6::Core Qt6::Multimedia)

# Tests of the sound device and the ways to the audio output.
add_executable(sound_device_tests qt_test_main.cpp sound_device_test.cpp)
target_link_libraries(sound_device_tests PRIVATE
    twindle_toolkit twindle_audio_output Qt6::Gui twindle_test_support GTest::gtest)
add_test(NAME sound_device_tests COMMAND sound_device_tests)

# The game opens its window without the sound system, which it loads at the first sound.
add_test(NAME twindle_starts_without_the_sound_system
    COMMAND sh -c "! readelf -d \"$<TARGET_FILE:twindle>\" | grep -i -e multimedia -e pulse")

# Tests of the sound device and the WAVE image parser.
add_executable(wave_image_tests wave_image_test.cpp wave_mangling_test.cpp)
target_link_libraries(wave_image_tests PRIVATE twindle_wave twindle_test_support GTest::gtest_main)
add_test(NAME wave_image_tests COMMAND wave_image_tests)

add_executable(sound_device_tests
    sound_test_main.cpp
    system_sound_device_test.cpp
    timed_sound_device_test.cpp
)
target_link_libraries(sound_device_tests PRIVATE
    twindle_toolkit twindle_audio_output Qt6::Gui twindle_test_support GTest::gtest)
add_test(NAME sound_device_tests COMMAND sound_device_tests)

# The game opens its window without the sound system, which it loads at the first sound.
add_test(NAME twindle_starts_without_the_sound_system
    COMMAND sh -c "! readelf -d \"$<TARGET_FILE:twindle>\" | grep -i -e multimedia -e pulse")

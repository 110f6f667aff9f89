# Tests of the sounds.
add_executable(sound_assets_tests play_sounds_test.cpp sound_images_test.cpp)
target_link_libraries(sound_assets_tests PRIVATE twindle_assets twindle_wave twindle_test_support GTest::gtest_main)
add_test(NAME sound_assets_tests COMMAND sound_assets_tests)

# The sounds through the real sound system; skipped where no audio output is reachable.
add_executable(sound_playback_live_test sound_playback_live_test.cpp)
target_link_libraries(sound_playback_live_test PRIVATE twindle_assets Qt6::Gui Qt6::Multimedia GTest::gtest)
add_test(NAME sound_playback_live_test COMMAND sound_playback_live_test)
set_tests_properties(sound_playback_live_test PROPERTIES
    SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
    TIMEOUT 60)

# Tests of the sounds.
add_executable(sound_assets_tests play_sounds_test.cpp sound_images_test.cpp)
target_link_libraries(sound_assets_tests PRIVATE twindle_assets twindle_wave twindle_test_support GTest::gtest_main)
add_test(NAME sound_assets_tests COMMAND sound_assets_tests)

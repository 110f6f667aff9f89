# Tests of the sounds and their playback, with the toolkit tests' WAVE image builder.
add_executable(sound_assets_tests sounds_test.cpp)
target_link_libraries(sound_assets_tests PRIVATE twindle_assets twindle_wave GTest::gtest_main)
target_include_directories(sound_assets_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/toolkit)
add_test(NAME sound_assets_tests COMMAND sound_assets_tests)

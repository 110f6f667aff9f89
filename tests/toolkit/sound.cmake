# Tests of the sound call and the ways to the audio output.
add_executable(sound_call_tests ${TWINDLE_QT_TEST_MAIN} audio/sound_call_test.cpp)
target_link_libraries(sound_call_tests PRIVATE
    twindle_sound twindle_audio_output Qt6::Gui twindle_test_support GTest::gtest)
add_test(NAME sound_call_tests COMMAND sound_call_tests)
set_tests_properties(sound_call_tests PROPERTIES TIMEOUT 60)

# The game opens its window without the sound system, which it loads at the first sound: the
# program's own list of the libraries it needs names no part of it.
add_test(NAME twindle_starts_without_the_sound_system
    COMMAND sh -c "needed=$(readelf -d \"$<TARGET_FILE:twindle>\" | grep NEEDED) && echo \"$needed\" | grep -q Qt6Widgets && ! echo \"$needed\" | grep -i -e multimedia -e pulse")
set_tests_properties(twindle_starts_without_the_sound_system PROPERTIES TIMEOUT 30)

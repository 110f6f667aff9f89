# The talking cards' clips, as built by src/assets/speech.cmake, against the words table:
# Festival's segments, the lengths and the loudness (sox measures them).
add_test(NAME speech_clips_test
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/speech_clips_test.sh
        ${PROJECT_SOURCE_DIR}/src/assets/speech/words.tsv ${TWINDLE_SPEECH_DIR})
set_tests_properties(speech_clips_test PROPERTIES TIMEOUT 60)

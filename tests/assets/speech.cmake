# The talking cards' clips of each language, as built by src/assets/speech.cmake, against its
# words table: Festival's segments, the lengths and the loudness (sox measures them). The Italian
# voice says a lone vowel ("e") in some 0.14 s, as Italians name the letter.
add_test(NAME speech_clips_test_en
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/speech_clips_test.sh
        ${PROJECT_SOURCE_DIR}/src/assets/speech/words.tsv ${TWINDLE_SPEECH_DIR}/en)
add_test(NAME speech_clips_test_it
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/speech_clips_test.sh
        ${PROJECT_SOURCE_DIR}/src/assets/speech/words_it.tsv ${TWINDLE_SPEECH_DIR}/it 0.1)
set_tests_properties(speech_clips_test_en speech_clips_test_it PROPERTIES TIMEOUT 60)

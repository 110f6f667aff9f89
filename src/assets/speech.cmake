# The talking cards' words: Festival says them at build time (tools/speech_synth), and the clips
# are built into the program as :/speech/<name>.wav, <name> being a picture's id (110), a
# capital letter's character code (65), "cheer" or "alldone". The tree holds the words, not the clips.
find_program(TWINDLE_FESTIVAL festival)
if(NOT TWINDLE_FESTIVAL)
    message(FATAL_ERROR "festival not found: the talking cards are spoken by Festival; "
        "install festival and festvox-us-slt-hts (scripts/install-deps)")
endif()

set(TWINDLE_SPEECH_WORDS ${CMAKE_CURRENT_SOURCE_DIR}/speech/words.tsv)
# The tests find the clips here.
set(TWINDLE_SPEECH_DIR ${CMAKE_CURRENT_BINARY_DIR}/speech CACHE INTERNAL "")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TWINDLE_SPEECH_WORDS})

# A clip for every row of the table, each with the segments Festival said.
file(STRINGS ${TWINDLE_SPEECH_WORDS} speechRows REGEX "^[^#]")
set(speechClips)
set(speechPhones)
foreach(row IN LISTS speechRows)
    string(REGEX MATCH "^[^\t]+" clip "${row}")
    list(APPEND speechClips ${TWINDLE_SPEECH_DIR}/${clip}.wav)
    list(APPEND speechPhones ${TWINDLE_SPEECH_DIR}/${clip}.phones)
endforeach()

add_custom_command(
    OUTPUT ${speechClips} ${speechPhones}
    COMMAND speech_synth ${TWINDLE_SPEECH_WORDS} ${TWINDLE_SPEECH_DIR}
    DEPENDS speech_synth ${TWINDLE_SPEECH_WORDS}
    COMMENT "Saying the talking cards' words with Festival"
    VERBATIM)
qt_add_resources(twindle_assets "speech"
    PREFIX "/speech"
    BASE ${TWINDLE_SPEECH_DIR}
    OPTIONS --no-compress
    FILES ${speechClips})

# The pictures' words as text too, for a screen reader to say in the reader's own voice and
# language: generated from the same table, each marked for translation (lupdate reads the
# generated file among the library's sources).
set(wordTexts "")
foreach(row IN LISTS speechRows)
    if(row MATCHES "^([0-9][0-9][0-9]+)\t([^\t]+)\t")
        string(REPLACE "\\" "\\\\" text "${CMAKE_MATCH_2}")
        string(REPLACE "\"" "\\\"" text "${text}")
        string(APPEND wordTexts "    {${CMAKE_MATCH_1}, QT_TRANSLATE_NOOP(\"twindle::CardWords\", \"${text}\")},\n")
    endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/generated/word_texts.inc CONTENT "${wordTexts}" @ONLY)
target_sources(twindle_assets PRIVATE word_texts.cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/word_texts.inc)
target_include_directories(twindle_assets PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)

# The talking cards' words, language by language: Festival says each language's table at build
# time (tools/speech_synth) with the voice named below, and the clips are built into the program
# as :/speech/<language>/<name>.wav, <name> being a picture's id (110), a capital letter's
# character code (65), "cheer" or "alldone". The tree holds the words, not the clips.
find_program(TWINDLE_FESTIVAL festival)
if(NOT TWINDLE_FESTIVAL)
    message(FATAL_ERROR "festival not found: the talking cards are spoken by Festival; "
        "install festival and its voices (scripts/install-deps)")
endif()

# The tests find each language's clips in a folder of its own here.
set(TWINDLE_SPEECH_DIR ${CMAKE_CURRENT_BINARY_DIR}/speech CACHE INTERNAL "")

# A clip for every row of the language's table, each with the segments Festival said.
function(twindle_say_words language table voice package)
    set(words ${CMAKE_CURRENT_SOURCE_DIR}/speech/${table})
    set(folder ${TWINDLE_SPEECH_DIR}/${language})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${words})
    file(STRINGS ${words} rows REGEX "^[^#]" ENCODING UTF-8)
    set(clips)
    set(phones)
    foreach(row IN LISTS rows)
        string(REGEX MATCH "^[^\t]+" clip "${row}")
        list(APPEND clips ${folder}/${clip}.wav)
        list(APPEND phones ${folder}/${clip}.phones)
    endforeach()
    add_custom_command(
        OUTPUT ${clips} ${phones}
        COMMAND speech_synth ${words} ${folder} ${voice} ${package}
        DEPENDS speech_synth ${words}
        COMMENT "Saying the talking cards' words in ${language} with Festival"
        VERBATIM)
    qt_add_resources(twindle_assets "speech_${language}"
        PREFIX "/speech/${language}"
        BASE ${folder}
        OPTIONS --no-compress
        FILES ${clips})
endfunction()

# English: the CMU ARCTIC "slt" HTS voice, a woman's, the clearest voice Debian has.
twindle_say_words(en words.tsv cmu_us_slt_arctic_hts festvox-us-slt-hts)
# Italian: the Italian FESTIVAL Modules' "lp" diphone voice, a woman's (6 MB). Debian main also
# has Festival voices for Russian (179 MB), Finnish, Czech, Catalan, Spanish and Hindi; they are
# left out for the build's time and size, and the parents of those languages record the words.
twindle_say_words(it words_it.tsv lp_diphone festvox-italp16k)

# The pictures' words as text too, for a screen reader to say in the reader's own voice and
# language: generated from the English table, each marked for translation (lupdate reads the
# generated file among the library's sources).
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/speech/words.tsv speechRows REGEX "^[^#]" ENCODING UTF-8)
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

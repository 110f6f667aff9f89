# The speech synthesiser: run at build time, it has Festival say the talking cards' words
# (src/assets/speech/words.tsv) and writes the clips that src/assets embeds.
add_executable(speech_synth
    speech_synth/festival_batch.cpp
    speech_synth/speech_synth.cpp
    speech_synth/wave_file.cpp
    speech_synth/word_table.cpp
)
# It reads Festival's files, and checks its own, with the program's WAVE parser, and shapes the
# clips as the program shapes a parent's recording.
target_link_libraries(speech_synth PRIVATE twindle_clip)

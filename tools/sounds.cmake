# The sound synthesiser: run at build time, it writes the WAVE files that src/assets embeds.
add_executable(synth_sounds
    sound_synth/bimblo_chime.cpp
    sound_synth/envelopes.cpp
    sound_synth/level.cpp
    sound_synth/loon_call.cpp
    sound_synth/party_fanfare.cpp
    sound_synth/riff_writer.cpp
    sound_synth/synth_sounds.cpp
    sound_synth/tone.cpp
)

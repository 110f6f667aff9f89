#pragma once

#include <cstddef>
#include <vector>

namespace twindle::synth {

// The three pair sounds, `length` samples at kSampleRate each, in [-1, 1]. Every one starts
// and ends in silence, with smooth slopes in and out.

// A wavering, bird-like call: a soft whistle that rises, trembles, and sinks a little.
std::vector<double> loonCall(std::size_t length);

// A little fanfare: three quick rising notes and a held top note, on a mellow horn.
std::vector<double> partyFanfare(std::size_t length);

// "Bim-blo": two bouncy chime notes, a high one and a lower one.
std::vector<double> bimbloChime(std::size_t length);

} // namespace twindle::synth

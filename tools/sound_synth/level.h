#pragma once

#include <vector>

namespace twindle::synth {

// Scales the samples so that the loudest one reaches `peak` (a fraction of full scale). The
// sounds are for small children: they stay well below full scale, and never clip.
void scaleToPeak(std::vector<double>& samples, double peak);

} // namespace twindle::synth

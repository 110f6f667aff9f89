#include "level.h"

#include <algorithm>
#include <cmath>

namespace twindle::synth {

void scaleToPeak(std::vector<double>& samples, double peak)
{
    double loudest = 0;
    for (const double sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest == 0)
        return;
    for (double& sample : samples)
        sample *= peak / loudest;
}

} // namespace twindle::synth

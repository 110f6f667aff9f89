#include "envelopes.h"

#include <cmath>
#include <numbers>

namespace twindle::synth {

double riseIn(double t, double length)
{
    if (t <= 0)
        return 0;
    if (t >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

double fallOut(double t, double end, double length)
{
    return riseIn(end - t, length);
}

double glide(double t, double start, double length, double from, double to)
{
    return from + (to - from) * riseIn(t - start, length);
}

} // namespace twindle::synth

#pragma once

namespace twindle::synth {

// Shapes that bring a sound in and out without a click: every one is continuous and flat at
// both of its ends.

// 0 before t = 0, then up along half a cosine to 1 at t = length, 1 after.
double riseIn(double t, double length);

// 1 until `length` seconds before `end`, then down along half a cosine to 0 at `end`, 0 after.
double fallOut(double t, double end, double length);

// Eases from `from` (before `start`) to `to` (after `start + length`) along half a cosine:
// a glide of pitch with no corner at either end.
double glide(double t, double start, double length, double from, double to);

} // namespace twindle::synth

#pragma once

namespace twindle {

// Every card picture, front or back, is 81 x 110 pixels at the board's own size, and the board's
// card slots are exactly that big, so that a picture shows there unscaled.
constexpr int kCardPixelWidth = 81;
constexpr int kCardPixelHeight = 110;

} // namespace twindle

#pragma once

#include <cstdint>
#include <string_view>

namespace twindle {

// A colour value as the board stores it: red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

// Composes a colour value; a component above 255 counts as 255.
Colour rgb(int red, int green, int blue);

constexpr int redOf(Colour colour) { return colour & 0xFF; }
constexpr int greenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr int blueOf(Colour colour) { return (colour >> 16) & 0xFF; }

// The colour the game calls by this name ("kaki", "prettyblue", ...); names match exactly
// and case-sensitively, and any other text gives 0, black.
Colour colourFromName(std::string_view name);

} // namespace twindle

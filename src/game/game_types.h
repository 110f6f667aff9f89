#pragma once

#include <cstdint>
#include <string_view>

namespace twindle {

// The board's counters and indices are 16-bit signed integers.
using Integer = std::int16_t;

// Both card arrays and the frames have one element per slot, indices 0 to 17.
constexpr int kSlotCount = 18;

constexpr bool isSlotIndex(int index) { return index >= 0 && index < kSlotCount; }

// FirstCard holds this while no card of the current try is turned.
constexpr Integer kNoCardTurned = 300;

// The tag of a slot that is out of play: never dealt in this game, or already matched.
inline constexpr std::string_view kOutOfPlayTag = "3";

// What a card shows: kFaceDown, or the face it was turned up with (a picture's id, a letter's
// character code).
constexpr int kFaceDown = 0;

// Pointer values of a window or of the whole screen.
constexpr Integer kDefaultPointer = 0;
constexpr Integer kBusyPointer = 11;
constexpr Integer kPointingHand = 99;  // the main window's own pointer picture

// The board's pauses, in milliseconds. A found pair waits long enough to be seen when it is
// about to leave the board, and only a moment when it stays there framed; the pause is set at
// every deal from the option as it stands then.
constexpr int kMismatchPause = 1000;
constexpr int kMatchPauseCardsDisappear = 1200;
constexpr int kMatchPauseCardsStay = 100;
constexpr int kCelebrationTick = 160;

} // namespace twindle

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

// CardType: which cards the game is played with.
constexpr Integer kPictureCards = 0;
constexpr Integer kSameCapitals = 1;     // a pair is the same capital twice
constexpr Integer kCapitalAndSmall = 2;  // a pair is a capital and its small letter

// The counts the new game dialog offers.
constexpr bool isDealableCount(int count)
{
    return count >= 8 && count <= 18 && count % 2 == 0;
}

// Pointer values of a window or of the whole screen.
constexpr Integer kDefaultPointer = 0;
constexpr Integer kBusyPointer = 11;
constexpr Integer kPointingHand = 99;  // the main window's own pointer picture

// What a picture card shows: a card-front picture by its id (101 to 143), or the card back.
using PictureId = int;
constexpr PictureId kCardBackPicture = 0;

// The board's pauses, in milliseconds. A found pair waits long enough to be seen when it is
// about to leave the board, and only a moment when it stays there framed; the pause is set at
// every deal from the option as it stands then.
constexpr int kMismatchPause = 1000;
constexpr int kMatchPauseCardsDisappear = 1200;
constexpr int kMatchPauseCardsStay = 100;
constexpr int kCelebrationTick = 160;

} // namespace twindle

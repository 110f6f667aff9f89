#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace twindle::test {

// Plays the game model through a sequence of events read from bytes, and checks the game's
// rules (invariant_check.h) after every one. The events are those the window and toddler mode can
// deliver: clicks on any index, in range and out of it, once or twice in a row; any timer firing
// (a disabled one is ignored, as fireTimer promises); deals of any kind and offered count, and the
// same game dealt again at any moment; the option changes the options dialog allows; and the new
// game dialog that ends a celebration, which may deal a new game from inside the timer handler.
// A sound may only come from a found pair with its option on; a card reported turned up must show
// the face of its tag, and a celebration is reported to start at its first tick.
//
// The bytes: a header of 16 (the random source's seed, then its clock's first reading and its
// step, little-endian), then events of one opcode byte each (taken modulo kEventKinds) with
// their operand bytes; past the end every byte reads as 0. See fuzz/README.md.
struct GameEventsRun {
    std::optional<std::string> broken;  // the first rule broken, and after which event
    long long events = 0;
    long long deals = 0;
    long long wins = 0;
};

constexpr std::uint8_t kEventKinds = 8;
enum class EventKind : std::uint8_t {
    Click,             // operand: an index
    ClickTwice,        // operand: an index, clicked twice in a row
    RememberingClick,  // operand: which card in play, when no twin is known
    Timer,             // operand: which timer
    Deal,              // operands: the kind, the count
    PairSoundOption,   // operand: on or off
    DisappearOption,   // operand: on or off
    DealAgain,         // operand: the same kind and count again when odd, at any moment
};

// The random source's seed, and its clock's first reading and step.
struct RandomStart {
    std::uint64_t seed = 0;
    std::uint32_t firstReading = 0;
    std::uint32_t step = 0;
};

GameEventsRun playGameEvents(EventSource& events, RandomStart start);

// The fuzzer's input: the header, then the events.
GameEventsRun playGameEvents(std::span<const std::uint8_t> input);

} // namespace twindle::test

#pragma once

#include "game/game_types.h"

namespace twindle {

// What a parent chooses for toddler mode, on the setup screen or on the command line.
struct ToddlerSetup {
    static constexpr int kFewestPairs = 2;
    static constexpr int kMostPairs = 9;
    static constexpr int kShortestMinutes = 5;
    static constexpr int kLongestMinutes = 60;

    Integer cardType = 0;          // a kind of card_kinds.h
    int startPairs = kFewestPairs;
    bool grows = true;             // one pair more after a good game, one fewer after a hard one
    bool voice = true;             // the cards say their words
    int voiceVolume = 100;         // percent
    int soundVolume = 100;         // percent: the pair sounds
    int minutes = 0;               // play time; 0 for no limit

    // The same choices with every number within its range, and an unknown kind as pictures.
    ToddlerSetup clamped() const;
    friend bool operator==(const ToddlerSetup&, const ToddlerSetup&) = default;
};

} // namespace twindle

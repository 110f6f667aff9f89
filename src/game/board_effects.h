#pragma once

#include "game/game_types.h"

#include <string_view>

namespace twindle {

// What the game does beyond its own records, and what it reports to whoever plays it. The main
// window carries these out and passes the reports on; tests stand in for it.
class BoardEffects {
public:
    virtual ~BoardEffects() = default;

    // Plays the named sound ("LOON", "PARTY" or "BIMBLO") as the flags of toolkit/sound_flags.h
    // say; without kSoundAsync it returns when the sound has played to its end.
    virtual void playSound(std::string_view name, int flags) = 0;

    // The celebration is over and the board restored: the window asks for a new game, modal, and
    // returns when the player has answered.
    virtual void celebrationEnded() = 0;

    // A card was turned face up with this face (a picture's id, a letter's character code).
    virtual void cardTurnedUp(Integer slot, int face) { (void)slot, (void)face; }

    // The second card of a try is up and the pair judged: found, or to be turned back.
    virtual void tryJudged(bool pairFound) { (void)pairFound; }

    // The celebration's first tick: "You Did It!" shows, with the first of its colours.
    virtual void celebrationStarted() {}
};

} // namespace twindle

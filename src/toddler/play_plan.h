#pragma once

#include "toddler/toddler_setup.h"

#include <bitset>

namespace twindle {

// What toddler mode deals after each win, with no Qt so that it plays on a simulated clock: the
// game grows with the child, and ends gently when the play time is up. Times are milliseconds of
// any steady clock.
//
// The growing rule counts a game's slips: tries that miss although one of their two cards had
// been seen face up before in that game, so that the child could have known it was no pair. A
// miss on two cards never seen is a fair guess and no slip. A game won with few slips (at most
// one for every four pairs) deals one pair more next, up to 9; a game with many (at least half
// as many as it has pairs) one pair fewer, never below the parent's start; any other the same.
class PlayPlan {
public:
    // `level` is the number of pairs to begin with: the parent's start, or where the child got
    // to last time. No game has more than `mostPairs`: a family game one pair a photo.
    PlayPlan(const ToddlerSetup& setup, int level, long long now, int mostPairs = kMostPairs);

    int pairs() const { return m_pairs; }
    int slips() const { return m_slips; }

    // What the game reports, for the count of slips.
    void gameDealt();
    void cardTurnedUp(int slot);
    void tryJudged(bool pairFound);

    enum class Next { DealAgain, AllDone };
    // A game was won: the level for the next one, or the end of play once the time is up.
    Next gameWon(long long now);

private:
    ToddlerSetup m_setup;
    int m_mostPairs;
    int m_pairs;
    long long m_endsAt;
    std::bitset<32> m_seen;
    int m_turnedInTry = 0;
    bool m_tryShowedASeenCard = false;
    int m_slips = 0;
};

// The growing rule alone: the pairs after a game of `pairs` with `slips` slips.
int pairsAfter(int pairs, int slips, int startPairs, int mostPairs = kMostPairs);

} // namespace twindle

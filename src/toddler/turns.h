#pragma once

#include <array>
#include <vector>

namespace twindle {

// Whose turn it is when several play on one board, with no Qt so that it plays on a simulated
// clock. The first seat (the child) begins every game; a pair found is the finder's, who goes
// again, and a miss passes the turn to the next seat, round the table. Played together, the
// seats are one team: the turn stays, and every pair goes to the team's one pile (seat 0's).
class Turns {
public:
    // A found pair: the faces of its two cards, in the order they were turned.
    using Pair = std::array<int, 2>;

    Turns(int seats, bool together);

    int seats() const { return int(m_piles.size()); }
    bool together() const { return m_together; }
    int current() const { return m_current; }

    // The pairs a seat found in this game; played together, all are seat 0's.
    const std::vector<Pair>& pile(int seat) const { return m_piles.at(std::size_t(seat)); }

    // A new game: the first seat begins, and nobody has a pair.
    void gameDealt();
    // What the game reports of the current try.
    void cardTurnedUp(int face);
    // Whether the turn passed.
    bool tryJudged(bool pairFound);

private:
    std::vector<std::vector<Pair>> m_piles;
    bool m_together;
    int m_current = 0;
    Pair m_try{};
    int m_turnedInTry = 0;
};

} // namespace twindle

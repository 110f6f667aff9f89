#pragma once

#include <deque>
#include <vector>

namespace twindle {

class Game;
class RandomSource;

// How the friendly animal chooses its cards, with no Qt so that it plays on a simulated clock.
// It remembers the last `memory` cards it saw turned face up, by anyone, that are still on the
// board, and forgets older ones: with 0 it guesses, with 18 it forgets nothing. It takes a pair
// it remembers both cards of; else it turns a card it has not seen, then that card's twin if it
// remembers it, else another card it has not seen. It never looks under a card. Given the same
// random source and the same game, it chooses the same cards.
class FriendMind {
public:
    FriendMind(int memory, RandomSource& random);

    int memory() const { return m_memory; }

    // A new game: nothing on the board has been seen.
    void gameDealt();
    // A card was turned face up on the board.
    void cardSeen(int slot, int face);

    // The slot of the card to turn next on the game's board, or -1 when none can be turned.
    int nextCard(const Game& game) const;

private:
    struct Seen {
        int slot;
        int face;
    };

    bool remembers(int slot) const;
    int faceOf(int slot) const;
    int pick(const std::vector<int>& slots) const;

    int m_memory;
    RandomSource& m_random;
    std::deque<Seen> m_seen;  // the most recent first
};

} // namespace twindle

#pragma once

#include <optional>

namespace twindle {

class Game;

// When the friendly animal turns its cards, with no Qt so that it plays on a simulated clock:
// only while a game is being played and the board waits for a card (never while a try waits for
// its pause, nor during the celebration, nor while the parent gate asks its question), and at a
// pace a child can follow, a card a second. Times are milliseconds of any steady clock.

// Whether the board takes a card from the friend now.
bool friendMayTurn(const Game& game, bool gateAsking);

class FriendPace {
public:
    static constexpr long long kCardMs = 1000;

    // Whether to turn a card at `now`: once the friend may have turned one for kCardMs without a
    // break. Ask as often as you like; what does not hold resets the wait.
    bool due(long long now, bool mayTurn);

private:
    std::optional<long long> m_freeSince;
};

} // namespace twindle

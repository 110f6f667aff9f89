#include "friend_pace.h"

#include "game/game.h"

namespace twindle {

bool friendMayTurn(const Game& game, bool gateAsking)
{
    const MainForm& form = game.form();
    const bool waiting = form.tmrPairMatch.Enabled() || form.tmrPairNoMatch.Enabled() || form.tmrYouDidIt.Enabled();
    return game.isGameInProgress() && !waiting && !gateAsking;
}

bool FriendPace::due(long long now, bool mayTurn)
{
    if (!mayTurn) {
        m_freeSince.reset();
        return false;
    }
    if (!m_freeSince) {
        m_freeSince = now;
        return false;
    }
    if (now - *m_freeSince < kCardMs)
        return false;
    m_freeSince = now;
    return true;
}

} // namespace twindle

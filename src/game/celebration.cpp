#include "game.h"

#include "assets/named_colours.h"

#include <algorithm>

namespace twindle {

void Game::YouWon()
{
    // Found pairs that stayed on the board in their frames step aside for the celebration.
    if (!m_globals.CardsDisappear)
        showCardsOfGame(false);
    m_form.tmrYouDidIt.setEnabled(true);
    m_form.MousePointer = kBusyPointer;
}

void Game::tmrYouDidIt_Timer()
{
    const int tick = ++m_form.YouDidItTicks;
    if (tick == 1) {
        m_form.capYouDidIt.Visible = true;
        m_effects.celebrationStarted();
    }

    // One colour a tick; the tick at the list's last index ends the celebration.
    const int lastIndex = int(m_form.CelebrationColors.size()) - 1;
    if (tick < lastIndex) {
        m_form.BackColor = colourFromName(m_form.CelebrationColors[std::size_t(tick)]);
        return;
    }

    m_form.YouDidItTicks = 0;
    m_form.tmrYouDidIt.setEnabled(false);
    m_form.capYouDidIt.Visible = false;
    if (!m_globals.CardsDisappear)
        showCardsOfGame(true);
    m_form.BackColor = m_form.ForeColor;
    m_form.MousePointer = kDefaultPointer;
    m_effects.celebrationEnded();
}

// Hides or shows every card of the game with its frame, as found pairs that stay stand.
void Game::showCardsOfGame(bool visible)
{
    const int count = std::clamp<int>(m_globals.CardCount, 0, kSlotCount);
    for (int i = 0; i < count; ++i) {
        cardsInUse()[std::size_t(i)].Visible = visible;
        m_form.ShapeDone[i].Visible = visible;
    }
}

} // namespace twindle

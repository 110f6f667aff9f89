#include "game.h"

#include "game/board_grid.h"
#include "toolkit/core/random_source.h"

#include <cmath>

namespace twindle {

namespace {
constexpr int kSoundChoices = 4;
}

void Game::CardPosition(Integer numcards)
{
    if (!isDealableCount(numcards) || faceCount(kind()) < numcards / 2)
        return;

    // The menu stays usable while a try is pending or the celebration runs: a new deal ends
    // both, so that no pair timer acts on the old try and no celebration tick hides or
    // reframes the new board.
    stopPendingTry();
    stopCelebration();

    m_globals.FirstCard = kNoCardTurned;
    m_globals.CardCount = numcards;
    m_globals.CardsMatched = 0;

    // The pause of a matching pair follows the option as it stands at the deal.
    m_form.tmrPairMatch.setInterval(m_globals.CardsDisappear ? kMatchPauseCardsDisappear
                                                             : kMatchPauseCardsStay);

    m_random.reseedFromClock();
    m_form.MatchSound = Integer(std::floor(double(m_random.nextFraction()) * kSoundChoices + 1));

    m_form.MousePointer = kPointingHand;

    clearBoard();
    layOut(numcards);
    assignFaces(numcards);
    showDealtCardsFaceDown(numcards);
}

void Game::stopPendingTry()
{
    m_form.tmrPairMatch.setEnabled(false);
    m_form.tmrPairNoMatch.setEnabled(false);
    m_screen.MousePointer = kDefaultPointer;
}

void Game::stopCelebration()
{
    m_form.YouDidItTicks = 0;
    m_form.tmrYouDidIt.setEnabled(false);
    m_form.capYouDidIt.Visible = false;
    m_form.BackColor = m_form.ForeColor;
}

// Takes every slot of both arrays and every frame off the board, face down, so that nothing of
// an earlier game, larger or of the other kind, stays behind.
void Game::clearBoard()
{
    for (int i = 0; i < kSlotCount; ++i) {
        for (CardSlots* cards : {&m_form.card, &m_form.capCard}) {
            CardSlot& slot = (*cards)[std::size_t(i)];
            slot.Visible = false;
            slot.Face = kFaceDown;
            slot.Left = kSlotParking.left;
            slot.Top = kSlotParking.top;
        }
        Frame& frame = m_form.ShapeDone[std::size_t(i)];
        frame.Visible = false;
        frame.Left = kFrameParking.left;
        frame.Top = kFrameParking.top;
    }
}

// Puts every place of the count's grid to use: in games of 14 and 16 cards the slots past the
// count stand hidden on the grid.
void Game::layOut(Integer numcards)
{
    const Grid& grid = BoardGrid(numcards);
    CardSlots& cards = cardsInUse();
    for (int i = 0; i < grid.places(); ++i) {
        const Place place = grid.place(i);
        cards[std::size_t(i)].Left = place.left;
        cards[std::size_t(i)].Top = place.top;
    }
}

void Game::showDealtCardsFaceDown(Integer numcards)
{
    for (int i = 0; i < numcards; ++i)
        cardsInUse()[std::size_t(i)].Visible = true;
}

} // namespace twindle

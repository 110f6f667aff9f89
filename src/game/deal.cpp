#include "game.h"

#include "game/board_grid.h"
#include "toolkit/random_source.h"

#include <cmath>

namespace twindle {

namespace {
constexpr int kSoundChoices = 4;
}

void Game::CardPosition(Integer numcards)
{
    if (!isDealableCount(numcards))
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
    if (playsPictures())
        CardFrontsToTags(numcards);
    else
        CardAscToTags(numcards);
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

// Takes every slot of both arrays and every frame off the board, so that nothing of an
// earlier game, larger or of the other kind, stays behind.
void Game::clearBoard()
{
    const Colour faceDownColour = colourFromName("prettyblue");
    for (int i = 0; i < kSlotCount; ++i) {
        PictureCard& picture = m_form.card[i];
        picture.Visible = false;
        picture.Picture = kCardBackPicture;
        picture.Left = kSlotParking.left;
        picture.Top = kSlotParking.top;

        Frame& frame = m_form.ShapeDone[i];
        frame.Visible = false;
        frame.Left = kFrameParking.left;
        frame.Top = kFrameParking.top;

        LetterCard& letter = m_form.capCard[i];
        letter.Visible = false;
        letter.Left = kSlotParking.left;
        letter.Top = kSlotParking.top;
        letter.BackColor = faceDownColour;
    }
}

// Puts every place of the count's grid to use: in games of 14 and 16 cards the slots past the
// count stand hidden on the grid.
void Game::layOut(Integer numcards)
{
    const Grid& grid = BoardGrid(numcards);
    for (int i = 0; i < grid.places(); ++i) {
        const Place place = grid.place(i);
        Slot slot = slotOfGame(i);
        slot.Left = place.left;
        slot.Top = place.top;
    }
}

void Game::showDealtCardsFaceDown(Integer numcards)
{
    for (int i = 0; i < numcards; ++i) {
        if (playsPictures()) {
            m_form.card[i].Visible = true;
        } else {
            m_form.capCard[i].Visible = true;
            m_form.capCard[i].Caption = "?";
        }
    }
}

} // namespace twindle

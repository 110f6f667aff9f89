#include "game.h"

#include "game/tag_text.h"
#include "toolkit/audio/sound_flags.h"

namespace twindle {

namespace {

const char* matchSoundName(Integer matchSound)
{
    switch (matchSound) {
    case 1:
    case 2: return "LOON";
    case 3: return "PARTY";
    case 4: return "BIMBLO";
    default: return nullptr;
    }
}

} // namespace

// A card can be turned when it is on the board, no try is waiting for its timer, it is still
// in play, and it is not the card already turned in this try.
bool Game::mayTurn(Integer index) const
{
    const CardSlot& card = cards()[std::size_t(index)];
    const bool tryPending = m_form.tmrPairNoMatch.Enabled() || m_form.tmrPairMatch.Enabled();
    return card.Visible && !tryPending && isInPlay(card.Tag) && index != m_globals.FirstCard;
}

void Game::card_Click(Integer Index)
{
    if (!isSlotIndex(Index) || !mayTurn(Index))
        return;
    CardSlot& clicked = cardsInUse()[std::size_t(Index)];
    clicked.Face = *tagInteger(clicked.Tag);
    m_effects.cardTurnedUp(Index, clicked.Face);

    if (!isSlotIndex(m_globals.FirstCard)) {
        m_globals.FirstCard = Index;
        return;
    }
    judgeTry(Index, kind().pairs(cards()[std::size_t(m_globals.FirstCard)].Tag, clicked.Tag));
}

// The second card of a try is up: the pair is judged at once and waits for its timer, and
// FirstCard keeps its value until then.
void Game::judgeTry(Integer second, bool pairMatches)
{
    m_screen.MousePointer = kBusyPointer;
    if (pairMatches) {
        m_form.PairSecond = second;
        m_form.PairFirst = m_globals.FirstCard;
        m_form.tmrPairMatch.setEnabled(true);
    } else {
        m_globals.SecondCard = second;
        m_form.tmrPairNoMatch.setEnabled(true);
    }
    m_effects.tryJudged(pairMatches);
}

void Game::tmrPairMatch_Timer()
{
    const Integer first = m_form.PairFirst;
    const Integer second = m_form.PairSecond;
    if (isSlotIndex(first) && isSlotIndex(second)) {
        CardSlots& cards = cardsInUse();
        cards[second].Tag = kOutOfPlayTag;
        cards[first].Tag = kOutOfPlayTag;

        // The sound plays to its end before the pair leaves the board.
        if (m_globals.PairSound)
            playMatchSound();

        if (m_globals.CardsDisappear) {
            cards[second].Visible = false;
            cards[first].Visible = false;
        } else {
            for (const Integer index : {second, first}) {
                m_form.ShapeDone[index].Left = cards[index].Left;
                m_form.ShapeDone[index].Top = cards[index].Top;
            }
            m_form.ShapeDone[second].Visible = true;
            m_form.ShapeDone[first].Visible = true;
        }
    }

    m_globals.FirstCard = kNoCardTurned;
    m_globals.CardsMatched += 2;
    m_form.tmrPairMatch.setEnabled(false);
    m_screen.MousePointer = kDefaultPointer;
    if (m_globals.CardsMatched == m_globals.CardCount)
        YouWon();
}

void Game::playMatchSound()
{
    if (const char* name = matchSoundName(m_form.MatchSound))
        m_effects.playSound(name, kSoundNoStop);
}

void Game::tmrPairNoMatch_Timer()
{
    for (const Integer index : {m_globals.FirstCard, m_globals.SecondCard}) {
        if (isSlotIndex(index))
            cardsInUse()[std::size_t(index)].Face = kFaceDown;
    }

    m_globals.FirstCard = kNoCardTurned;
    m_form.tmrPairNoMatch.setEnabled(false);
    m_screen.MousePointer = kDefaultPointer;
}

} // namespace twindle

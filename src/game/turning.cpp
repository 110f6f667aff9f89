#include "game.h"

#include "assets/named_colours.h"
#include "game/pair_rules.h"
#include "game/tag_text.h"
#include "toolkit/sound_flags.h"

namespace twindle {

namespace {

int capitalOf(int letter)
{
    return letter >= 'a' && letter <= 'z' ? letter - ('a' - 'A') : letter;
}

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
bool Game::mayTurn(Integer index, const std::string& tag, bool visible) const
{
    const bool tryPending = m_form.tmrPairNoMatch.Enabled() || m_form.tmrPairMatch.Enabled();
    return visible && !tryPending && isInPlay(tag) && index != m_globals.FirstCard;
}

void Game::card_Click(Integer Index)
{
    if (!isSlotIndex(Index))
        return;
    PictureCard& clicked = m_form.card[Index];
    if (!mayTurn(Index, clicked.Tag, clicked.Visible))
        return;

    clicked.Picture = *tagInteger(clicked.Tag);
    if (m_toddlerMode)
        m_effects.sayWord(clicked.Picture);

    if (!isSlotIndex(m_globals.FirstCard)) {
        m_globals.FirstCard = Index;
        return;
    }
    judgeTry(Index, picturesPair(m_form.card[m_globals.FirstCard].Tag, clicked.Tag));
}

void Game::capCard_Click(Integer Index)
{
    if (!isSlotIndex(Index))
        return;
    LetterCard& clicked = m_form.capCard[Index];
    if (!mayTurn(Index, clicked.Tag, clicked.Visible))
        return;

    clicked.Caption = characterText(*tagInteger(clicked.Tag));
    clicked.BackColor = colourFromName("dove");
    if (m_toddlerMode)
        m_effects.sayWord(capitalOf(*tagInteger(clicked.Tag)));  // "a" is called as "A" is

    if (!isSlotIndex(m_globals.FirstCard)) {
        m_globals.FirstCard = Index;
        return;
    }
    judgeTry(Index, lettersPair(m_form.capCard[m_globals.FirstCard].Tag, clicked.Tag));
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
}

void Game::tmrPairMatch_Timer()
{
    const Integer first = m_form.PairFirst;
    const Integer second = m_form.PairSecond;
    if (isSlotIndex(first) && isSlotIndex(second)) {
        slotOfGame(second).Tag = kOutOfPlayTag;
        slotOfGame(first).Tag = kOutOfPlayTag;

        // The sound plays to its end before the pair leaves the board.
        if (m_globals.PairSound)
            playMatchSound();

        if (m_globals.CardsDisappear) {
            slotOfGame(second).Visible = false;
            slotOfGame(first).Visible = false;
        } else {
            for (const Integer index : {second, first}) {
                const Slot card = slotOfGame(index);
                m_form.ShapeDone[index].Left = card.Left;
                m_form.ShapeDone[index].Top = card.Top;
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
    const Colour faceDownColour = colourFromName("prettyblue");
    for (const Integer index : {m_globals.FirstCard, m_globals.SecondCard}) {
        if (!isSlotIndex(index))
            continue;
        if (playsPictures()) {
            m_form.card[index].Picture = kCardBackPicture;
        } else {
            m_form.capCard[index].BackColor = faceDownColour;
            m_form.capCard[index].Caption = "?";
        }
    }

    m_globals.FirstCard = kNoCardTurned;
    m_form.tmrPairNoMatch.setEnabled(false);
    m_screen.MousePointer = kDefaultPointer;
}

} // namespace twindle

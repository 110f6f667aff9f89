#include "game.h"

#include "assets/named_colours.h"
#include "game/board_grid.h"
#include "game/tag_text.h"

#include <algorithm>

namespace twindle {

namespace {

// The board's colours during the celebration: entries 1 to 22 are shown one per tick, and the
// last index, 23, is the tick that ends it.
const std::vector<std::string> kCelebrationColors{
    "white", "grey", "softblue", "lemon", "powderblue", "kaki", "pastelpurple", "pastelyellow",
    "kaki", "pastelgreen", "cyan", "grass", "softpurple", "gold", "peach", "sky", "dove",
    "prettyblue", "rose", "plum", "lemon", "tan", "softpink", "softgreen",
};

// Where the "You Did It!" caption starts, so that it spans the whole window.
constexpr int kCaptionLeft = 5;

} // namespace

const FaceCounts& rowFaceCounts()
{
    static const FaceCounts counts;
    return counts;
}

Game::Game(RandomSource& random, BoardEffects& effects, const FaceCounts& faces)
    : m_random(random)
    , m_effects(effects)
    , m_faces(faces)
{
}

void Game::Form_Load()
{
    for (CardSlot& slot : m_form.card)
        slot.Tag = kOutOfPlayTag;

    m_form.ForeColor = colourFromName("kaki");
    m_form.BackColor = colourFromName("kaki");

    m_globals.CardType = kPictureCards;
    m_globals.CardsDisappear = true;
    m_globals.PairSound = true;

    m_form.capYouDidIt.Width = m_form.Width;
    m_form.capYouDidIt.Left = kCaptionLeft;

    m_form.CelebrationColors = kCelebrationColors;
}

void Game::fireTimer(GameTimer which)
{
    if (!m_form.timer(which).Enabled())
        return;
    switch (which) {
    case GameTimer::PairMatch: tmrPairMatch_Timer(); break;
    case GameTimer::PairNoMatch: tmrPairNoMatch_Timer(); break;
    case GameTimer::YouDidIt: tmrYouDidIt_Timer(); break;
    }
}

void Game::setOptions(bool cardsDisappear, bool pairSound)
{
    if (m_globals.CardsMatched <= 0)
        m_globals.CardsDisappear = cardsDisappear;
    m_globals.PairSound = pairSound;
}

const CardKind& Game::kind() const
{
    const CardKind* kind = findCardKind(m_globals.CardType);
    return kind != nullptr ? *kind : cardKinds().front();
}

// A kind deals only as many pairs as it has faces: a family game needs a photo a pair.
void Game::dealGame(Integer cardType, Integer numcards)
{
    const CardKind* kind = findCardKind(cardType);
    if (kind == nullptr || !isDealableCount(numcards) || faceCount(*kind) < numcards / 2)
        return;
    m_globals.CardType = cardType;
    CardPosition(numcards);
}

bool Game::isGameInProgress() const
{
    return std::ranges::any_of(cards(), [](const CardSlot& slot) { return isInPlay(slot.Tag); });
}

bool Game::isFound(Integer slot) const
{
    if (!isSlotIndex(slot) || slot >= m_globals.CardCount)
        return false;
    const bool waiting = m_form.tmrPairMatch.Enabled() && (slot == m_form.PairFirst || slot == m_form.PairSecond);
    return waiting || !isInPlay(cards()[std::size_t(slot)].Tag);
}

} // namespace twindle

#include "game.h"

#include "assets/named_colours.h"

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

Game::Game(RandomSource& random, BoardEffects& effects)
    : m_random(random)
    , m_effects(effects)
{
}

void Game::Form_Load()
{
    for (PictureCard& slot : m_form.card)
        slot.Tag = kOutOfPlayTag;

    m_form.ForeColor = ColorFromName("kaki");
    m_form.BackColor = ColorFromName("kaki");

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

Game::Slot Game::slotOfGame(int index)
{
    if (playsPictures()) {
        PictureCard& slot = m_form.card[std::size_t(index)];
        return {slot.Tag, slot.Visible, slot.Left, slot.Top};
    }
    LetterCard& slot = m_form.capCard[std::size_t(index)];
    return {slot.Tag, slot.Visible, slot.Left, slot.Top};
}

} // namespace twindle

#include "play_harness.h"

#include "game/board_focus.h"
#include "game/tag_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace twindle {
namespace {

std::pair<int, int> placeOf(const Game& game, int slot)
{
    return {game.cards()[std::size_t(slot)].Top, game.cards()[std::size_t(slot)].Left};
}

// The tests' own reading of the board, from where the cards stand rather than from their slots:
// the cards that can take the focus, row by row (by their tops) from the left (by their lefts).
std::vector<int> cardsAsRead(const Game& game)
{
    std::vector<int> cards;
    for (int slot = 0; slot < game.globals().CardCount; ++slot) {
        const CardSlot& card = game.cards()[std::size_t(slot)];
        if (card.Visible && isInPlay(card.Tag) && !game.isFound(Integer(slot)))
            cards.push_back(slot);
    }
    std::ranges::sort(cards, {}, [&](int slot) { return placeOf(game, slot); });
    return cards;
}

// Down (+1) or Up (-1) as the tests see it: the next row of tops, wrapping, with a card to take
// the focus; in it, the card whose left is nearest, the leftmost of two; `from` if none.
int cardInRow(const Game& game, int from, int direction)
{
    const auto& cards = game.cards();
    std::vector<int> tops;
    for (const int slot : cardsAsRead(game))
        tops.push_back(cards[std::size_t(slot)].Top);
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    const auto row = std::ranges::find(tops, cards[std::size_t(from)].Top) - tops.begin();
    const int rows = int(tops.size());
    if (rows < 2)
        return from;
    const int top = tops[std::size_t(((row + direction) % rows + rows) % rows)];
    int best = -1;
    for (const int slot : cardsAsRead(game)) {
        const auto distance = [&](int card) { return std::abs(cards[std::size_t(card)].Left - cards[std::size_t(from)].Left); };
        if (cards[std::size_t(slot)].Top == top && (best < 0 || distance(slot) < distance(best)))
            best = slot;
    }
    return best;
}

// Every move from every card, checked against the tests' reading, on every grid and as pairs
// leave the board: so found cards (and whole rows of them) are passed over, and the ends wrap.
TEST(BoardFocus, MovesFollowTheCardsAsTheyStandAndPassOverFoundOnes)
{
    test::PlayHarness play;
    for (const Integer count : test::kAllCounts) {
        play.deal(kPictureCards, count);
        while (!play.pairsInPlay().empty()) {
            const std::vector<int> read = cardsAsRead(play.game);
            const int n = int(read.size());
            EXPECT_EQ(movedFocus(play.game, kNoFocus, FocusMove::Next), read.front());
            EXPECT_EQ(movedFocus(play.game, kNoFocus, FocusMove::Last), read.back());
            for (int i = 0; i < n; ++i) {
                const int card = read[std::size_t(i)];
                SCOPED_TRACE(testing::Message() << count << " cards, " << n << " left, from slot " << card);
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::Next), read[std::size_t((i + 1) % n)]);
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::Previous), read[std::size_t((i + n - 1) % n)]);
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::First), read.front());
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::Last), read.back());
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::Down), cardInRow(play.game, card, 1));
                EXPECT_EQ(movedFocus(play.game, card, FocusMove::Up), cardInRow(play.game, card, -1));
                EXPECT_EQ(settledFocus(play.game, card), card);
            }
            // A pair found, in its pause: the focus on it goes on to the next card left.
            const auto [first, second] = play.pairsInPlay().back();
            play.click(first);
            play.click(second);
            const std::vector<int> left = cardsAsRead(play.game);
            const auto after = std::ranges::find_if(left, [&](int slot) { return placeOf(play.game, slot) > placeOf(play.game, second); });
            EXPECT_EQ(settledFocus(play.game, second), left.empty() ? kNoFocus : after == left.end() ? left.front() : *after);
            play.settleTry();
        }
    }
}

TEST(BoardFocus, NoCardTakesTheFocusBeforeTheFirstDeal)
{
    test::PlayHarness play;
    EXPECT_EQ(movedFocus(play.game, kNoFocus, FocusMove::First), kNoFocus);
    EXPECT_EQ(settledFocus(play.game, 0), kNoFocus);
    EXPECT_FALSE(canTakeFocus(play.game, 0));
}

} // namespace
} // namespace twindle

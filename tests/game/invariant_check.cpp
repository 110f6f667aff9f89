#include "invariant_check.h"

#include "assets/named_colours.h"
#include "game/board_grid.h"
#include "game/game_types.h"
#include "game/tag_text.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace twindle::test {

namespace {

struct SlotView {
    const std::string& tag;
    bool visible;
    bool faceUp;
    int face;
};

SlotView viewOf(const Game& game, int i)
{
    const CardSlot& card = game.cards()[std::size_t(i)];
    return {card.Tag, card.Visible, card.Face != kFaceDown, card.Face};
}

// The cards a pending try has turned up.
std::vector<int> turnedCards(const Game& game)
{
    const GlobalVars& globals = game.globals();
    const MainForm& form = game.form();
    std::vector<int> turned;
    if (isSlotIndex(globals.FirstCard))
        turned.push_back(globals.FirstCard);
    if (form.tmrPairMatch.Enabled())
        turned.push_back(form.PairSecond);
    if (form.tmrPairNoMatch.Enabled())
        turned.push_back(globals.SecondCard);
    return turned;
}

template <typename... Parts>
std::string describe(const Parts&... parts)
{
    std::ostringstream text;
    text << std::boolalpha;
    (text << ... << parts);
    return text.str();
}

// The try, the timers and the counters.
std::optional<std::string> brokenState(const Game& game)
{
    const GlobalVars& globals = game.globals();
    const MainForm& form = game.form();
    const bool matchPending = form.tmrPairMatch.Enabled();
    const bool mismatchPending = form.tmrPairNoMatch.Enabled();
    const bool celebrating = form.tmrYouDidIt.Enabled();
    const int count = globals.CardCount;

    if (matchPending && mismatchPending)
        return "both pair timers run";
    if (!isDealableCount(count))
        return describe("CardCount ", count);
    if (globals.FirstCard != kNoCardTurned && !(globals.FirstCard >= 0 && globals.FirstCard < count))
        return describe("FirstCard ", globals.FirstCard);
    if ((matchPending || mismatchPending) && globals.FirstCard == kNoCardTurned)
        return "a try pending without its first card";
    if (game.screen().MousePointer != ((matchPending || mismatchPending) ? kBusyPointer : kDefaultPointer))
        return describe("screen pointer ", game.screen().MousePointer);
    if (globals.CardsMatched % 2 != 0 || globals.CardsMatched < 0 || globals.CardsMatched > count)
        return describe("CardsMatched ", globals.CardsMatched);
    if (form.YouDidItTicks < 0 || form.YouDidItTicks > 23 || (!celebrating && form.YouDidItTicks != 0))
        return describe("YouDidItTicks ", form.YouDidItTicks);
    if (celebrating && globals.CardsMatched != count)
        return "a celebration before the game is won";
    return std::nullopt;
}

// One slot of a dealt game: out of play as its game left it, or in play with one twin, face up
// just while its try is pending and then with its own face.
std::optional<std::string> brokenSlot(const Game& game, int i, const std::vector<int>& turned)
{
    const GlobalVars& globals = game.globals();
    const MainForm& form = game.form();
    const SlotView slot = viewOf(game, i);
    const bool otherArrayShows = (&game.cards() == &form.card ? form.capCard : form.card)[i].Visible;
    if (otherArrayShows)
        return describe("slot ", i, " of the other kind shows");
    if (i >= globals.CardCount) {
        if (slot.visible || slot.tag != kOutOfPlayTag || form.ShapeDone[i].Visible)
            return describe("undealt slot ", i, " in play");
        return std::nullopt;
    }
    if (slot.tag == kOutOfPlayTag) {
        const bool shown = !globals.CardsDisappear && !form.tmrYouDidIt.Enabled();
        const bool resolving = form.tmrPairMatch.Enabled() && (i == form.PairFirst || i == form.PairSecond);
        if (!resolving && (slot.visible != shown || form.ShapeDone[i].Visible != shown))
            return describe("found slot ", i, " shown ", slot.visible);
        return std::nullopt;
    }
    int twinsInPlay = 0;
    for (int j = 0; j < globals.CardCount; ++j)
        twinsInPlay += j != i && areTwins(globals.CardType, slot.tag, viewOf(game, j).tag);
    if (twinsInPlay != 1)
        return describe("slot ", i, " (", slot.tag, ") has ", twinsInPlay, " twins in play");
    if (!slot.visible || form.ShapeDone[i].Visible)
        return describe("slot ", i, " in play but not shown plainly");
    const bool shouldBeUp = std::find(turned.begin(), turned.end(), i) != turned.end();
    if (slot.faceUp != shouldBeUp)
        return describe("slot ", i, " face up: ", slot.faceUp);
    if (slot.faceUp && tagInteger(slot.tag) != slot.face)
        return describe("slot ", i, " (", slot.tag, ") shows face ", slot.face);
    return std::nullopt;
}

} // namespace

std::optional<std::string> brokenInvariant(const Game& game)
{
    const GlobalVars& globals = game.globals();
    if (globals.CardCount == 0) {
        const bool tryPending = game.form().tmrPairMatch.Enabled() || game.form().tmrPairNoMatch.Enabled();
        if (globals.FirstCard == 0 && !tryPending)
            return std::nullopt;
        return "a try before the first deal";
    }
    if (auto broken = brokenState(game))
        return broken;
    const std::vector<int> turned = turnedCards(game);
    int inPlay = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (auto broken = brokenSlot(game, i, turned))
            return broken;
        inPlay += i < globals.CardCount && viewOf(game, i).tag != kOutOfPlayTag;
    }
    if (inPlay != globals.CardCount - globals.CardsMatched)
        return describe(inPlay, " cards in play, ", globals.CardsMatched, " of ", globals.CardCount, " matched");
    return std::nullopt;
}

bool areTwins(Integer cardType, std::string_view first, std::string_view second)
{
    if (cardType != kCapitalAndSmall)
        return first == second;
    const std::optional<int> a = tagInteger(first), b = tagInteger(second);
    return a && b && (*a - *b == 32 || *b - *a == 32);
}

} // namespace twindle::test

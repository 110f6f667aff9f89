#include "invariant_check.h"

#include "assets/named_colours.h"
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
};

SlotView viewOf(const Game& game, int i)
{
    if (game.playsPictures()) {
        const PictureCard& card = game.form().card[i];
        return {card.Tag, card.Visible, card.Picture != kCardBackPicture};
    }
    const LetterCard& card = game.form().capCard[i];
    return {card.Tag, card.Visible, card.Caption != "?"};
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

} // namespace

std::optional<std::string> brokenInvariant(const Game& game)
{
    const GlobalVars& globals = game.globals();
    const MainForm& form = game.form();
    const bool matchPending = form.tmrPairMatch.Enabled();
    const bool mismatchPending = form.tmrPairNoMatch.Enabled();
    const bool celebrating = form.tmrYouDidIt.Enabled();
    const int count = globals.CardCount;

    if (matchPending && mismatchPending)
        return "both pair timers run";
    if (count == 0) {
        if (globals.FirstCard == 0 && !matchPending && !mismatchPending)
            return std::nullopt;
        return "a try before the first deal";
    }
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

    const std::vector<int> turned = turnedCards(game);
    int inPlay = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        const SlotView slot = viewOf(game, i);
        const bool otherArrayShows = game.playsPictures() ? form.capCard[i].Visible : form.card[i].Visible;
        if (otherArrayShows)
            return describe("slot ", i, " of the other kind shows");
        if (i >= count) {
            if (slot.visible || slot.tag != kOutOfPlayTag || form.ShapeDone[i].Visible)
                return describe("undealt slot ", i, " in play");
            continue;
        }
        if (slot.tag == kOutOfPlayTag) {
            const bool shown = !globals.CardsDisappear && !celebrating;
            const bool resolving = matchPending && (i == form.PairFirst || i == form.PairSecond);
            if (!resolving && (slot.visible != shown || form.ShapeDone[i].Visible != shown))
                return describe("found slot ", i, " shown ", slot.visible);
            continue;
        }
        ++inPlay;
        int twinsInPlay = 0;
        for (int j = 0; j < count; ++j)
            twinsInPlay += j != i && areTwins(globals.CardType, slot.tag, viewOf(game, j).tag);
        if (twinsInPlay != 1)
            return describe("slot ", i, " (", slot.tag, ") has ", twinsInPlay, " twins in play");
        if (!slot.visible || form.ShapeDone[i].Visible)
            return describe("slot ", i, " in play but not shown plainly");
        const bool shouldBeUp = std::find(turned.begin(), turned.end(), i) != turned.end();
        if (slot.faceUp != shouldBeUp)
            return describe("slot ", i, " face up: ", slot.faceUp);
    }
    if (inPlay != count - globals.CardsMatched)
        return describe(inPlay, " cards in play, ", globals.CardsMatched, " of ", count, " matched");
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

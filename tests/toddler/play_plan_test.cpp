#include "game/play_harness.h"

#include "toddler/play_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace twindle {
namespace {

// A child at the board: turns cards on a simulated clock, a second and a half a card, and tells
// the plan what the game reports.
class Child {
public:
    explicit Child(PlayPlan& plan) : m_plan(plan)
    {
        m_play.effects.onTurned = [this](int slot) { m_plan.cardTurnedUp(slot); };
        m_play.effects.onJudged = [this](bool found) { m_plan.tryJudged(found); };
    }

    // Deals the plan's game and plays it to its end; returns what follows and when.
    PlayPlan::Next playOneGame(bool perfectMemory)
    {
        m_plan.gameDealt();
        m_play.deal(kPictureCards, Integer(2 * m_plan.pairs()));
        m_seen.clear();
        while (m_play.game.globals().CardsMatched < m_play.game.globals().CardCount) {
            const auto [first, second] = perfectMemory ? rememberedTry() : randomTry();
            turn(first);
            turn(second);
            m_play.settleTry();
        }
        m_play.clock.advanceBy(3680);  // the celebration
        return m_plan.gameWon(m_play.clock.now());
    }

    long long now() const { return m_play.clock.now(); }

private:
    void turn(int card)
    {
        m_play.clock.advanceBy(1500);
        m_play.click(Integer(card));
        m_seen.insert(card);
    }

    std::vector<int> inPlay() const
    {
        std::vector<int> cards;
        for (int i = 0; i < m_play.game.globals().CardCount; ++i) {
            if (m_play.tag(i) != "3")
                cards.push_back(i);
        }
        return cards;
    }

    // A seen pair if there is one; else a card never seen, then its twin if that was seen, or
    // else another card never seen. Such a child misses only on cards not seen before.
    std::pair<int, int> rememberedTry() const
    {
        const std::vector<int> cards = inPlay();
        const auto seen = [&](int card) { return m_seen.count(card) > 0; };
        for (const int a : cards) {
            for (const int b : cards) {
                if (a < b && seen(a) && seen(b) && m_play.pairs(a, b))
                    return {a, b};
            }
        }
        const int first = *std::ranges::find_if(cards, [&](int card) { return !seen(card); });
        for (const int card : cards) {
            if (card != first && seen(card) && m_play.pairs(first, card))
                return {first, card};
        }
        return {first, *std::ranges::find_if(cards, [&](int card) { return card != first && !seen(card); })};
    }

    // Any two cards in play.
    std::pair<int, int> randomTry()
    {
        std::vector<int> cards = inPlay();
        std::shuffle(cards.begin(), cards.end(), m_random);
        return {cards[0], cards[1]};
    }

    PlayPlan& m_plan;
    test::PlayHarness m_play;
    std::set<int> m_seen;
    std::mt19937 m_random{20261207};
};

TEST(GrowingRule, OnePairMoreAfterFewSlipsOneFewerAfterManyWithinTheParentsStartAndNine)
{
    // pairs, slips, the parent's start: the pairs next
    const int cases[][4] = {{2, 0, 2, 3}, {3, 0, 2, 4}, {3, 1, 2, 3}, {4, 1, 2, 5}, {4, 2, 2, 3},
                            {5, 2, 2, 5}, {5, 3, 2, 4}, {8, 2, 2, 9}, {9, 0, 2, 9}, {4, 9, 4, 4},
                            {7, 3, 2, 7}, {7, 4, 5, 6}};
    for (const auto& [pairs, slips, start, next] : cases)
        EXPECT_EQ(pairsAfter(pairs, slips, start), next) << pairs << " pairs, " << slips << " slips";
}

TEST(GrowingRule, AChildWithAPerfectMemoryClimbsFromTwoToNinePairsInSevenGames)
{
    PlayPlan plan(ToddlerSetup{}, 2, 0);
    Child child(plan);
    std::vector<int> levels{plan.pairs()};
    for (int game = 0; game < 8; ++game) {
        child.playOneGame(true);
        EXPECT_EQ(plan.slips(), 0);
        levels.push_back(plan.pairs());
    }
    EXPECT_EQ(levels, (std::vector{2, 3, 4, 5, 6, 7, 8, 9, 9}));
}

// By luck alone a random clicker wins a small game cleanly now and then, and climbs a pair; the
// next games bring it back.
TEST(GrowingRule, AChildClickingAtRandomStaysWithinAPairOfTheStart)
{
    for (const int start : {2, 4}) {
        PlayPlan plan(ToddlerSetup{.startPairs = start}, start, 0);
        Child child(plan);
        int nearTheStart = 0;
        long long total = 0;
        constexpr int kGames = 300;
        for (int game = 0; game < kGames; ++game) {
            child.playOneGame(false);
            ASSERT_GE(plan.pairs(), start);
            nearTheStart += plan.pairs() <= start + 1;
            total += plan.pairs();
        }
        EXPECT_GE(nearTheStart, kGames * 8 / 10) << "start " << start;
        EXPECT_LE(double(total) / kGames, start + 1.0) << "start " << start;
    }
}

TEST(GrowingRule, AFixedNumberStaysAndALevelBelowTheStartIsRaisedToIt)
{
    PlayPlan fixed(ToddlerSetup{.startPairs = 3, .grows = false}, 7, 0);
    Child child(fixed);
    child.playOneGame(true);
    EXPECT_EQ(fixed.pairs(), 3);
    EXPECT_EQ(PlayPlan(ToddlerSetup{.startPairs = 5}, 3, 0).pairs(), 5);
    EXPECT_EQ(PlayPlan(ToddlerSetup{.startPairs = 5}, 8, 0).pairs(), 8) << "where the child got to";
}

// When the time is up the game being played is finished; only then does play end.
TEST(PlayTime, EndsAfterTheGameInProgress)
{
    PlayPlan plan(ToddlerSetup{.grows = false, .minutes = 5}, 3, 0);
    Child child(plan);
    long long startedLast = 0;
    PlayPlan::Next next = PlayPlan::Next::DealAgain;
    while (next == PlayPlan::Next::DealAgain) {
        startedLast = child.now();
        next = child.playOneGame(false);
        ASSERT_LT(startedLast, 10 * 60'000) << "play never ended";
    }
    EXPECT_LT(startedLast, 5 * 60'000) << "the last game began before the time was up";
    EXPECT_GE(child.now(), 5 * 60'000) << "and play ended after it";
    PlayPlan endless(ToddlerSetup{}, 2, 0);
    EXPECT_EQ(endless.gameWon(24LL * 3600'000), PlayPlan::Next::DealAgain) << "no limit";
}

} // namespace
} // namespace twindle

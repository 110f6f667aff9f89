#include "turns_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace twindle {
namespace {

using test::Table;

// Over games of every kind and size with two to four seats: the turn stays with a player who
// finds a pair and passes round the table on a miss, every pair is its finder's, and the piles
// hold the whole deal. Played together, the turn never passes and the one pile holds it all.
TEST(Turns, TheTurnPassesOnlyOnAMissAndEveryPairIsItsFinders)
{
    for (unsigned seed = 0; seed < 60; ++seed) {
        const int seats = 2 + int(seed % 3);
        const bool together = seed % 5 == 0;
        Table table(seats, together, seed);
        const Integer count = test::kAllCounts[seed % std::size(test::kAllCounts)];
        table.deal(test::kAllKinds[seed % test::kAllKinds.size()], count);
        std::vector<std::multiset<Turns::Pair>> piles(static_cast<std::size_t>(seats));
        int seat = 0;
        while (table.inProgress()) {
            const std::size_t before = table.play.effects.turned.size();
            const bool found = table.playATry();
            const auto& turned = table.play.effects.turned;
            if (found)
                piles[std::size_t(together ? 0 : seat)].insert(Turns::Pair{turned[before].second, turned[before + 1].second});
            else if (!together)
                seat = (seat + 1) % seats;
            ASSERT_EQ(table.turns.current(), seat) << "seed " << seed << " after a " << (found ? "pair" : "miss");
        }
        std::size_t pairs = 0;
        for (int each = 0; each < seats; ++each) {
            const auto& pile = table.turns.pile(each);
            EXPECT_EQ(std::multiset<Turns::Pair>(pile.begin(), pile.end()), piles[std::size_t(each)]) << seed;
            pairs += pile.size();
        }
        EXPECT_EQ(pairs, std::size_t(count / 2)) << "seed " << seed;
        table.deal(kPictureCards, 4);
        EXPECT_EQ(std::tuple(table.turns.current(), table.turns.pile(0).size()), std::tuple(0, 0u)) << "a new game";
    }
}

// Played against a child who guesses, the friend who never forgets misses no pair whose two
// cards it has seen turned, by anyone, and when it plays alone it needs no more tries than
// twice the pairs.
TEST(FriendlyAnimal, WithAPerfectMemoryItMissesNoPairItHasSeen)
{
    for (unsigned seed = 0; seed < 40; ++seed) {
        Table table(2, false, seed, 18);
        table.deal(seed % 2 ? kCapitalAndSmall : kPictureCards, 18);
        std::set<int> seen;
        table.play.effects.onTurned = [&, onTurned = table.play.effects.onTurned](int slot) {
            seen.insert(slot);
            onTurned(slot);
        };
        while (table.inProgress()) {
            bool knowsAPair = false;
            for (const int a : seen) {
                for (const int b : seen)
                    knowsAPair = knowsAPair || (a != b && table.play.pairs(a, b));
            }
            const bool friendPlays = table.friendsTurn();
            const bool found = table.playATry();
            ASSERT_TRUE(found || !friendPlays || !knowsAPair) << "seed " << seed << ": the friend missed a pair it saw";
        }
        Table alone(1, false, seed, 18);
        alone.deal(kPictureCards, 18);
        int tries = 0;
        for (; alone.inProgress() && tries <= 18; ++tries)
            alone.playATry();
        EXPECT_LE(tries, 18) << "seed " << seed;
    }
}

// Always the same fraction: a pick among cards not seen is the last of them.
struct LastPick final : RandomSource {
    void reseedFromClock() override {}
    float nextFraction() override { return 0.999f; }
};

// It remembers the last N cards seen turned and no more: a pair whose first card was seen N - 1
// cards before its twin is taken; seen N cards before, the first card is forgotten.
TEST(FriendlyAnimal, RemembersTheLastCardsItSawAndNoMore)
{
    Table table(1, false, 3);
    table.deal(kPictureCards, 18);
    int twin = 0;             // slot 0's
    std::vector<int> others;  // one card of each other pair
    for (int slot = 1; slot < 18; ++slot) {
        const bool taken = std::ranges::any_of(others, [&](int other) { return table.play.pairs(slot, other); });
        if (table.play.pairs(0, slot))
            twin = slot;
        else if (!taken)
            others.push_back(slot);
    }
    const auto seeAndAsk = [&](int memory, int between) {
        LastPick last;
        FriendMind mind(memory, last);
        const auto see = [&](int slot) { mind.cardSeen(slot, std::stoi(table.play.tag(slot))); };
        see(0);
        for (int card = 0; card < between; ++card)
            see(others.at(std::size_t(card)));
        see(twin);
        const int chosen = mind.nextCard(table.play.game);
        return chosen == 0 || chosen == twin;
    };
    ASSERT_EQ(others.size(), 8u);
    for (int memory = 2; memory <= 9; ++memory) {
        EXPECT_TRUE(seeAndAsk(memory, memory - 2)) << "memory " << memory << ": the pair is in mind";
        EXPECT_FALSE(seeAndAsk(memory, memory - 1)) << "memory " << memory << ": its first card is forgotten";
    }
}

struct Sample {
    double mean = 0;
    double error = 0;  // of the mean
};

// The tries a player needs for a game of six pairs alone, over many seeded games: the friend with
// this memory, or without one the tests' own random player.
Sample triesToWin(std::optional<int> memory)
{
    constexpr int kGames = 300;
    std::vector<int> tries;
    for (unsigned seed = 0; seed < kGames; ++seed) {
        Table table(1, false, 1000 + seed, memory);
        table.deal(kPictureCards, 12);
        int count = 0;
        while (table.inProgress()) {
            for (int card = 0; card < 2; ++card)
                table.play.click(Integer(memory ? table.mind->nextCard(table.play.game) : table.randomCard()));
            table.play.settleTry();
            ++count;
        }
        tries.push_back(count);
    }
    Sample sample;
    for (const int count : tries)
        sample.mean += double(count) / kGames;
    double variance = 0;
    for (const int count : tries)
        variance += (count - sample.mean) * (count - sample.mean) / (kGames - 1);
    sample.error = std::sqrt(variance / kGames);
    return sample;
}

// With no memory the friend plays as a random player does; with some, it plays better.
TEST(FriendlyAnimal, WithNoMemoryItGuessesLikeARandomPlayer)
{
    const Sample guesser = triesToWin(0);
    const Sample random = triesToWin(std::nullopt);
    const Sample remembering = triesToWin(4);
    const double apart = std::hypot(guesser.error, random.error);
    EXPECT_LT(std::abs(guesser.mean - random.mean), 4 * apart)
        << "the guesser " << guesser.mean << ", a random player " << random.mean << " tries";
    EXPECT_LT(remembering.mean, guesser.mean - 4 * std::hypot(guesser.error, remembering.error))
        << "remembering four cards " << remembering.mean << ", none " << guesser.mean << " tries";
}

} // namespace
} // namespace twindle

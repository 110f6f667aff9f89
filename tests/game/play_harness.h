#pragma once

#include "sim_clock.h"

#include "invariant_check.h"

#include "game/game.h"
#include "toolkit/core/random_source.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace twindle::test {

// Every kind the game deals from faces of its own, as its table has them: all but the family's.
inline const std::vector<Integer> kAllKinds = [] {
    std::vector<Integer> kinds;
    for (const CardKind& kind : cardKinds()) {
        if (kind.faces.count > 0)
            kinds.push_back(kind.cardType);
    }
    return kinds;
}();
constexpr Integer kAllCounts[] = {4, 6, 8, 10, 12, 14, 16, 18};

// The family's photos, as many as a test says there are.
struct PhotoCount : FaceCounts {
    int faceCount(const CardKind& kind) const override
    {
        return kind.look.art == CardArt::Photo ? photos : kind.faces.count;
    }
    int photos = 0;
};

// How long each pair sound holds the board up: its samples at 11025 a second.
inline long long soundLength(const std::string& name)
{
    static const std::map<std::string, long long> kLengths{
        {"LOON", 873}, {"PARTY", 636}, {"BIMBLO", 530}};
    return kLengths.at(name);
}

// Stands in for the main window: remembers the sounds and what the game reported.
struct RecordingEffects : BoardEffects {
    void playSound(std::string_view name, int flags) override
    {
        sounds.emplace_back(name, flags);
        if (onSound)
            onSound(std::string(name));
    }
    void celebrationEnded() override { ++newGameAsks; }
    void cardTurnedUp(Integer slot, int face) override
    {
        turned.emplace_back(slot, face);
        if (onTurned)
            onTurned(slot);
    }
    void tryJudged(bool pairFound) override
    {
        judged.push_back(pairFound);
        if (onJudged)
            onJudged(pairFound);
    }
    void celebrationStarted() override { ++celebrations; }

    std::vector<std::pair<std::string, int>> sounds;
    std::vector<std::pair<int, int>> turned;  // slot, face
    std::vector<bool> judged;
    int celebrations = 0;
    int newGameAsks = 0;
    std::function<void(const std::string&)> onSound;
    std::function<void(int slot)> onTurned;
    std::function<void(bool pairFound)> onJudged;
};

// A loaded game on a simulated clock whose sounds take their real length, over a random source
// whose clock moves on at every reading, so that every run repeats exactly.
struct PlayHarness {
    PlayHarness()
    {
        game.Form_Load();
        effects.onSound = [this](const std::string& name) {
            soundStarts.push_back(clock.now());
            clock.block(soundLength(name));
        };
    }

    void deal(Integer kind, Integer count)
    {
        game.dealGame(kind, count);
        clock.sync();
    }

    void click(Integer index)
    {
        game.card_Click(index);
        clock.sync();
    }

    std::string tag(int slot) const { return game.cards()[std::size_t(slot)].Tag; }
    bool faceUp(int slot) const { return game.cards()[std::size_t(slot)].Face != kFaceDown; }

    bool pairs(int a, int b) const
    {
        return tag(a) != "3" && areTwins(game.globals().CardType, tag(a), tag(b));
    }

    // The game's pairs still in play, as a player with perfect memory knows them.
    std::vector<std::pair<Integer, Integer>> pairsInPlay() const
    {
        std::vector<std::pair<Integer, Integer>> found;
        for (int i = 0; i < game.globals().CardCount; ++i) {
            for (int j = i + 1; j < game.globals().CardCount; ++j) {
                if (pairs(i, j))
                    found.emplace_back(Integer(i), Integer(j));
            }
        }
        return found;
    }

    // A card still in play that does not pair with `card`.
    Integer strangerTo(Integer card) const
    {
        for (int i = 0; i < game.globals().CardCount; ++i) {
            if (i != card && tag(i) != "3" && !pairs(card, i))
                return Integer(i);
        }
        return -1;
    }

    // Lets the pending try run to its end.
    void settleTry()
    {
        while ((game.form().tmrPairMatch.Enabled() || game.form().tmrPairNoMatch.Enabled())
               && clock.fireNext()) {
        }
    }

    // Finds every pair; returns the time the celebration started.
    long long findEveryPair()
    {
        for (const auto& [first, second] : pairsInPlay()) {
            click(first);
            click(second);
            settleTry();
        }
        return clock.now();
    }

    std::uint64_t clockTicks = 0;
    ClockMixedRandom random{[this] { return ++clockTicks; }};
    RecordingEffects effects;
    PhotoCount faces;
    Game game{random, effects, faces};
    SimClock clock{game};
    std::vector<long long> soundStarts;
};

} // namespace twindle::test

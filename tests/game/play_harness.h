#pragma once

#include "game_harness.h"
#include "sim_clock.h"

#include "game/pair_rules.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace twindle::test {

// How long each pair sound holds the board up: its sample count at 11025 samples a second.
inline long long soundLength(const std::string& name)
{
    static const std::map<std::string, long long> kLengths{
        {"LOON", 873}, {"PARTY", 636}, {"BIMBLO", 530}};
    return kLengths.at(name);
}

// A loaded game on a simulated clock, whose sounds take their real length.
struct PlayHarness : GameHarness {
    PlayHarness()
    {
        effects.onSound = [this](const std::string& name) {
            soundStarts.push_back(clock.now());
            clock.block(soundLength(name));
        };
    }

    void deal(Integer kind, Integer count)
    {
        GameHarness::deal(kind, count);
        clock.sync();
    }

    void click(Integer index)
    {
        GameHarness::click(index);
        clock.sync();
    }

    // The dealt game's pairs, as a player with perfect memory knows them.
    std::vector<std::pair<Integer, Integer>> pairs() const
    {
        const auto tags = tagsOfKind(game, game.globals().CardType);
        std::vector<std::pair<Integer, Integer>> found;
        for (int i = 0; i < game.globals().CardCount; ++i) {
            for (int j = i + 1; j < game.globals().CardCount; ++j) {
                const bool pair = game.playsPictures() ? picturesPair(tags[i], tags[j])
                                                       : lettersPair(tags[i], tags[j]);
                if (pair && tags[i] != "3")
                    found.emplace_back(Integer(i), Integer(j));
            }
        }
        return found;
    }

    // A card still in play that does not pair with `card`.
    Integer strangerTo(Integer card) const
    {
        const auto tags = tagsOfKind(game, game.globals().CardType);
        for (int i = 0; i < game.globals().CardCount; ++i) {
            const bool pair = game.playsPictures() ? picturesPair(tags[card], tags[i])
                                                   : lettersPair(tags[card], tags[i]);
            if (!pair && tags[i] != "3")
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

    SimClock clock{game};
    std::vector<long long> soundStarts;
};

} // namespace twindle::test

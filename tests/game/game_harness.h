#pragma once

#include "game/game.h"
#include "toolkit/random_source.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace twindle::test {

// Stands in for the main window's sound and dialog, and remembers what was asked of it.
class RecordingEffects : public BoardEffects {
public:
    struct Sound {
        std::string name;
        int flags;
    };

    void PlayResSound(const std::string& name, int flags) override
    {
        sounds.push_back({name, flags});
        if (onSound)
            onSound(name);
    }

    void showNewGameDialog() override
    {
        ++dialogsOpened;
        if (onDialog)
            onDialog();
    }

    std::vector<Sound> sounds;
    int dialogsOpened = 0;
    std::function<void(const std::string&)> onSound;
    std::function<void()> onDialog;
};

// A loaded game over a clock that moves on at every reading, so that runs repeat exactly.
struct GameHarness {
    GameHarness() { game.Form_Load(); }

    void deal(Integer kind, Integer count)
    {
        game.globals().CardType = kind;
        game.CardPosition(count);
    }

    void click(Integer index)
    {
        if (game.playsPictures())
            game.card_Click(index);
        else
            game.capCard_Click(index);
    }

    std::uint64_t clockTicks = 0;
    ClockMixedRandom random{[this] { return ++clockTicks; }};
    RecordingEffects effects;
    Game game{random, effects};
};

constexpr Integer kAllKinds[] = {kPictureCards, kSameCapitals, kCapitalAndSmall};
constexpr Integer kAllCounts[] = {8, 10, 12, 14, 16, 18};

// The tags of the array a kind of card is dealt into.
inline std::vector<std::string> tagsOfKind(const Game& game, Integer kind)
{
    std::vector<std::string> tags;
    for (int i = 0; i < kSlotCount; ++i)
        tags.push_back(kind == kPictureCards ? game.form().card[i].Tag : game.form().capCard[i].Tag);
    return tags;
}

} // namespace twindle::test

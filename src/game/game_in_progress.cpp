#include "game_in_progress.h"

#include "game/game.h"
#include "game/tag_text.h"

#include <algorithm>

namespace twindle {

namespace {

template <typename Slots>
bool anyCardInPlay(const Slots& slots)
{
    return std::ranges::any_of(slots, [](const auto& slot) {
        const auto face = tagInteger(slot.Tag);
        return face && *face > 3;
    });
}

} // namespace

bool isGameInProgress(const Game& game)
{
    return game.playsPictures() ? anyCardInPlay(game.form().card)
                                : anyCardInPlay(game.form().capCard);
}

} // namespace twindle

#pragma once

#include "game/game_types.h"
#include "game/tag_text.h"

#include <algorithm>

namespace twindle {

// The lowest-numbered slot among slots 0 to numcards - 1 whose tag holds no face, or 0 when
// every one of them holds a face. The deal falls back on it when random draws keep hitting
// taken slots.
template <typename Slots>
Integer lowestFreeSlot(const Slots& slots, Integer numcards)
{
    const int last = std::min<int>(numcards - 1, int(std::size(slots)) - 1);
    for (int i = 0; i <= last; ++i) {
        if (!isInPlay(slots[std::size_t(i)].Tag))
            return Integer(i);
    }
    return 0;
}

} // namespace twindle

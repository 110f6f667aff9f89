#include "board_focus.h"

#include "game/board_grid.h"

#include <algorithm>
#include <cstdlib>

namespace twindle {

namespace {

int dealtCount(const Game& game)
{
    return std::clamp(int(game.globals().CardCount), 0, kSlotCount);
}

// The first card from `from` on, `step` slots at a time and wrapping, that can take the focus;
// `from` itself last of all.
int nextInOrder(const Game& game, int from, int step)
{
    const int count = dealtCount(game);
    for (int k = 1; k <= count; ++k) {
        const int slot = ((from + step * k) % count + count) % count;
        if (canTakeFocus(game, slot))
            return slot;
    }
    return kNoFocus;
}

// The card standing nearest to `from`'s left edge in the first row, going `direction` rows at a
// time and wrapping, that has a card to take the focus; the leftmost of two as near. Stays on
// `from` when no other row has one.
int nearestInRows(const Game& game, int from, int direction)
{
    const int count = dealtCount(game);
    const int columns = int(BoardGrid(count).lefts.size());
    const int rows = (count + columns - 1) / columns;
    const int row = from / columns;
    const auto distance = [&](int slot) {
        return std::abs(game.cards()[std::size_t(slot)].Left - game.cards()[std::size_t(from)].Left);
    };
    for (int k = 1; k < rows; ++k) {
        const int other = ((row + direction * k) % rows + rows) % rows;
        int nearest = kNoFocus;
        for (int slot = other * columns; slot < std::min(count, (other + 1) * columns); ++slot) {
            if (canTakeFocus(game, slot) && (nearest == kNoFocus || distance(slot) < distance(nearest)))
                nearest = slot;
        }
        if (nearest != kNoFocus)
            return nearest;
    }
    return settledFocus(game, from);
}

} // namespace

bool canTakeFocus(const Game& game, int slot)
{
    return slot >= 0 && slot < dealtCount(game) && game.cards()[std::size_t(slot)].Visible
        && !game.isFound(Integer(slot));
}

int movedFocus(const Game& game, int from, FocusMove move)
{
    const int count = dealtCount(game);
    if (from < 0 || from >= count)
        return nextInOrder(game, move == FocusMove::Last ? 0 : count - 1, move == FocusMove::Last ? -1 : 1);
    switch (move) {
    case FocusMove::Next: return nextInOrder(game, from, 1);
    case FocusMove::Previous: return nextInOrder(game, from, -1);
    case FocusMove::Down: return nearestInRows(game, from, 1);
    case FocusMove::Up: return nearestInRows(game, from, -1);
    case FocusMove::First: return nextInOrder(game, count - 1, 1);
    case FocusMove::Last: return nextInOrder(game, 0, -1);
    }
    return from;
}

int settledFocus(const Game& game, int focus)
{
    return canTakeFocus(game, focus) ? focus : movedFocus(game, focus, FocusMove::Next);
}

} // namespace twindle

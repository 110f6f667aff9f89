#pragma once

#include "game/game.h"

namespace twindle {

// Where the keyboard's focus goes on the board, for a child who plays with keys or switches
// rather than a pointer. The cards are read as a page is, row by row from the left: the order of
// their slots, as the grids lay them out. Only a card still to be found takes the focus: found
// pairs, and slots not on the board, are passed over.

constexpr int kNoFocus = -1;

enum class FocusMove {
    Next,      // the next card in reading order, from the last back to the first
    Previous,  // the card before, from the first on to the last
    Down,      // the card nearest below in the next row that has one, from the bottom to the top
    Up,        // the card nearest above in the row before that has one, from the top to the bottom
    First,
    Last,
};

// Whether the card in this slot can take the focus: dealt, on the board and not found.
bool canTakeFocus(const Game& game, int slot);

// Where the focus goes from the card in `from` (kNoFocus: from none, when every move but Last
// goes to the first card); kNoFocus when no card can take it, and `from` when no other card can.
int movedFocus(const Game& game, int from, FocusMove move);

// The focus after the game moved on: where it is while its card can still take it, or else on
// the next card that can in reading order; kNoFocus when none can.
int settledFocus(const Game& game, int focus);

} // namespace twindle

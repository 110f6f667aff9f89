#pragma once

#include "game/board_grid.h"
#include "game/board_records.h"
#include "ui/board_geometry.h"

#include <QRect>

class QPainter;

namespace twindle {

// The ring round the card that has the keyboard's focus: thick, with a white core between two
// black bands, so that one of its colours stands out against anything it lies on (the board's
// kaki, the blue card back, every picture, the letter cards' grounds). It lies mostly over the
// card's edge and reaches a little beyond it, less than the narrowest gap between two cards. It
// grows with the card, and it neither blinks nor moves on its own.

// The pixels the ring of a card at this place can touch.
QRect focusRingBounds(const BoardGeometry& board, const Grid& grid, const CardSlot& card);

void paintFocusRing(QPainter& painter, const BoardGeometry& board, const Grid& grid, const CardSlot& card);

} // namespace twindle

#pragma once

#include "game/board_grid.h"
#include "game/board_records.h"
#include "game/card_kinds.h"
#include "ui/board_geometry.h"

class QPainter;

namespace twindle {

// Draws the board's controls as their records describe them, their twips placed and scaled by
// the board's geometry. Pictures are drawn for the size they show at and letters are set at
// that size, so that both stay sharp at every scale.

// A card as its kind looks, face down or with the face it shows, at the size of its grid's cards.
void paintCard(QPainter& painter, const BoardGeometry& board, const Grid& grid, const CardLook& look,
               const CardSlot& card);
void paintFrame(QPainter& painter, const BoardGeometry& board, const Grid& grid, const Frame& frame);
void paintCaption(QPainter& painter, const BoardGeometry& board, const TextLabel& caption);

} // namespace twindle

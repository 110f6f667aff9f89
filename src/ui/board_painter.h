#pragma once

#include "game/board_grid.h"
#include "game/board_records.h"
#include "game/card_kinds.h"
#include "ui/board_geometry.h"

class QPainter;

namespace twindle {

class CardFaces;

// Draws the board's controls as their records describe them, their twips placed and scaled by
// the board's geometry. Pictures are drawn for the size they show at and letters are set at
// that size, so that both stay sharp at every scale.

// A card as its kind looks, face down or with the face it shows (its pair `found` or not), at the
// size of its grid's cards.
void paintCard(QPainter& painter, const BoardGeometry& board, const Grid& grid, const CardKind& kind,
               const CardSlot& card, bool found, CardFaces& faces);
void paintFrame(QPainter& painter, const BoardGeometry& board, const Grid& grid, const Frame& frame);

// Draws the picture a card of this face will show, at the size its grid's cards are shown at on a
// device of this pixel ratio, so that turning the card finds it drawn; letters need nothing.
void preparePicture(const BoardGeometry& board, const Grid& grid, const CardKind& kind, int face,
                    qreal devicePixelRatio, CardFaces& faces);
void paintCaption(QPainter& painter, const BoardGeometry& board, const TextLabel& caption);

} // namespace twindle

#pragma once

#include "game/board_records.h"
#include "ui/board_geometry.h"

class QPainter;

namespace twindle {

// Draws the board's controls as their records describe them, their twips placed and scaled by
// the board's geometry. Pictures are drawn for the size they show at and letters are set at
// that size, so that both stay sharp at every scale.
void paintLetterCard(QPainter& painter, const BoardGeometry& board, const LetterCard& card);
void paintPictureCard(QPainter& painter, const BoardGeometry& board, const PictureCard& card);
void paintFrame(QPainter& painter, const BoardGeometry& board, const Frame& frame);
void paintCaption(QPainter& painter, const BoardGeometry& board, const TextLabel& caption);

} // namespace twindle

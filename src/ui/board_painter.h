#pragma once

#include "game/board_records.h"

class QPainter;

namespace twindle {

// Draws the board's controls as their records describe them, in twips of the board.
void paintLetterCard(QPainter& painter, const LetterCard& card);
void paintPictureCard(QPainter& painter, const PictureCard& card);
void paintFrame(QPainter& painter, const Frame& frame);
void paintCaption(QPainter& painter, const TextLabel& caption);

} // namespace twindle

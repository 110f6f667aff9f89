#pragma once

#include "card_fronts.h"

#include <QColor>
#include <QPixmap>

class QPainter;

namespace twindle {

// Card pictures: 81 x 110 logical pixels, white inside a coloured frame.

constexpr qreal kCardFrameWidth = 3;

// The white card in its frame, filling the painter's 81 x 110 card pixels.
void paintFramedCard(QPainter& painter, QColor frame);

// The front of a card, drawn at the device pixel ratio; null when the ratio is unusable.
QPixmap paintCardFront(const CardFront& face, qreal devicePixelRatio);

} // namespace twindle

#include "focus_ring.h"

#include <QPainter>

#include <cmath>

namespace twindle {

namespace {

// At the board's own size, in pixels: how far the ring reaches beyond the card (the gaps between
// the cards of the largest grid are 4 pixels), its black bands and its white core.
constexpr qreal kOutside = 3;
constexpr qreal kBand = 3;
constexpr qreal kCore = 4;
// Round, but little enough that the ring's outer edge (radius + 5 from a corner's centre, at
// these sizes) still covers the card's square corner (sqrt(2) * (radius + 2) from it).
constexpr qreal kCornerRadius = 4;
// Antialiasing may touch a pixel beyond.
constexpr int kEdge = 1;

qreal scaleOf(const BoardGeometry& board, const Grid& grid)
{
    return board.scale() * grid.cardScale();
}

QRect placeOf(const BoardGeometry& board, const Grid& grid, const CardSlot& card)
{
    return board.toPixels(card.Left, card.Top, grid.card.width, grid.card.height);
}

} // namespace

QRect focusRingBounds(const BoardGeometry& board, const Grid& grid, const CardSlot& card)
{
    const int beyond = int(std::ceil(kOutside * scaleOf(board, grid))) + kEdge;
    return placeOf(board, grid, card).adjusted(-beyond, -beyond, beyond, beyond);
}

// Both strokes follow one line down the middle of the ring: the black one as wide as the ring,
// the white one as its core.
void paintFocusRing(QPainter& painter, const BoardGeometry& board, const Grid& grid, const CardSlot& card)
{
    const qreal scale = scaleOf(board, grid);
    const qreal width = (2 * kBand + kCore) * scale;
    const qreal middle = kOutside * scale - width / 2;  // beyond the card's edge
    const QRectF line = QRectF(placeOf(board, grid, card)).adjusted(-middle, -middle, middle, middle);
    const qreal radius = kCornerRadius * scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRoundedRect(line, radius, radius);
    painter.setPen(QPen(Qt::white, kCore * scale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRoundedRect(line, radius, radius);
    painter.restore();
}

} // namespace twindle

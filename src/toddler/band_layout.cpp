#include "band_layout.h"

#include <algorithm>

namespace twindle {

namespace {

// A fortieth of the screen's short side: 27 pixels on a 1920 x 1080 screen.
constexpr int kBandPerShortSide = 40;
// The columns take an eighth of the long side each, so that a picture is large and the cards
// of a game of two pairs stay 300 pixels wide on a 1920 x 1080 screen.
constexpr int kColumnPerLongSide = 8;

QRect transposedRect(const QRect& rect)
{
    return QRect(rect.y(), rect.x(), rect.height(), rect.width());
}

// On a landscape board: the columns on the left and the right.
BandLayout landscape(QSize size, int seats, bool together)
{
    BandLayout layout;
    layout.band = std::max(BandLayout::kThinnestBand, std::min(size.width(), size.height()) / kBandPerShortSide);
    const int band = layout.band;
    const int column = size.width() / kColumnPerLongSide;
    layout.boardMargins = QMargins(band + column, band, band + column, band);
    const QRect sides[] = {QRect(band, band, column, size.height() - 2 * band),
                           QRect(size.width() - band - column, band, column, size.height() - 2 * band)};
    if (together) {
        layout.cells = {sides[0], sides[1]};
        return layout;
    }
    // Seat i sits on side i % 2, in row i / 2 of the rows that side has.
    for (int seat = 0; seat < seats; ++seat) {
        const QRect& side = sides[seat % 2];
        const int rows = (seats - seat % 2 + 1) / 2;
        const int row = seat / 2;
        const int top = side.top() + side.height() * row / rows;
        const int bottom = side.top() + side.height() * (row + 1) / rows;
        layout.cells.emplace_back(side.left(), top, side.width(), bottom - top);
    }
    return layout;
}

} // namespace

BandLayout bandLayout(QSize size, int seats, bool together)
{
    if (size.width() >= size.height())
        return landscape(size, seats, together);
    // A portrait screen is a landscape one turned: the columns become rows above and below.
    BandLayout layout = landscape(size.transposed(), seats, together);
    const QMargins& margins = layout.boardMargins;
    layout.boardMargins = QMargins(margins.top(), margins.left(), margins.bottom(), margins.right());
    for (QRect& cell : layout.cells)
        cell = transposedRect(cell);
    return layout;
}

} // namespace twindle

#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <vector>

namespace twindle {

// Where the players show on a screen of several players: a band in the colour of whose turn it
// is along all four edges, and inside it, on the two long sides of the board, a column for the
// players' pictures, names and found pairs; the board is laid out in what is left (its contents
// margins). The players sit by turns on one side and the other, the child first; played
// together, the team's pictures are on the first side and its pairs on the other.
struct BandLayout {
    int band = 0;             // the band's width, at least kThinnestBand
    QMargins boardMargins;    // the board's, to lay its cards out inside the band and the columns
    std::vector<QRect> cells; // a seat's place; played together, the team's and then its pile's

    static constexpr int kThinnestBand = 16;
};

// For a board of `size` with this many seats, played together or not.
BandLayout bandLayout(QSize size, int seats, bool together);

} // namespace twindle

#pragma once

#include <QPixmap>

namespace twindle {

// Keys of the pictures the board draws again and again: the card fronts by their id (101 to
// 143), and the card back.
constexpr int kCardBackKey = 0;

// How many card fronts are kept at one device pixel ratio: the nine faces of the largest deal
// and a few of the deal before, so that memory stays level however many games are played.
constexpr int kCardFrontsKept = 12;

// How many ratios pictures are kept at: the board's own size and full screen; a board shown at
// ever new sizes keeps only the pictures of the sizes it had last.
constexpr int kRatiosKept = 2;

// The picture of this key at this device pixel ratio, painted by `paint` the first time and
// kept: a card turned again, its twin, or a face-down card costs a look-up. The backs are kept
// for good; of the fronts, the one used longest ago makes room for a new one. GUI thread only;
// the ratio must be usable (a NaN would match any key).
QPixmap cachedPicture(int key, qreal devicePixelRatio, QPixmap (*paint)(int key, qreal ratio));

} // namespace twindle

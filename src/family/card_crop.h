#pragma once

#include "assets/card_size.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

namespace twindle::family {

// A family card's picture is 9 times a card's size on the board (81 x 110): on a 3840 x 2160
// screen a toddler's board shows it unscaled.
inline constexpr int kCardPictureScale = 9;
inline constexpr QSize kCardPictureSize{kCardPictureScale * kCardPixelWidth,
                                        kCardPictureScale * kCardPixelHeight};
inline constexpr double kMostZoom = 3;

// Which part of a photo a card shows: a rectangle of the card's proportions, centred at `centre`
// (fractions of the photo's width and height), as large as the photo allows at zoom 1 and
// `zoom` times smaller beyond. The default is the largest centred crop.
struct CropFrame {
    QPointF centre{0.5, 0.5};
    double zoom = 1;

    friend bool operator==(const CropFrame&, const CropFrame&) = default;
};

// The frame held to what the photo allows: its zoom to 1 .. kMostZoom, its centre where the
// crop lies wholly on the photo.
CropFrame heldOnPhoto(QSize photo, const CropFrame& frame);

// The frame's rectangle in the photo's pixels, once held on the photo.
QRectF cropRect(QSize photo, const CropFrame& frame);

// The picture opaque: its transparent parts on white, as a card's face is.
QImage onWhite(const QImage& picture);

// The card picture: exactly kCardPictureSize, opaque.
QImage cardPicture(const QImage& photo, const CropFrame& frame);

// The card picture as the deck stores it, a JPEG file's bytes.
QByteArray cardPictureFile(const QImage& picture);

} // namespace twindle::family

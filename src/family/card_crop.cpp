#include "card_crop.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>

namespace twindle::family {

namespace {

constexpr double kCardRatio = double(kCardPixelWidth) / kCardPixelHeight;
// A card picture of 729 x 990 takes some 150 kB at this quality, and shows no blocks even
// full screen.
constexpr int kJpegQuality = 90;

// The crop's size at the frame's zoom.
QSizeF cropSize(QSize photo, double zoom)
{
    const double height = std::min<double>(photo.height(), photo.width() / kCardRatio) / zoom;
    return {height * kCardRatio, height};
}

// The centre's fraction along one side that keeps `part` of `whole` on the photo.
double heldCentre(double centre, double part, double whole)
{
    const double half = part / whole / 2;
    return half >= 0.5 ? 0.5 : std::clamp(centre, half, 1 - half);
}

} // namespace

CropFrame heldOnPhoto(QSize photo, const CropFrame& frame)
{
    if (photo.isEmpty())
        return {};
    const double zoom = std::clamp(frame.zoom, 1.0, kMostZoom);
    const QSizeF crop = cropSize(photo, zoom);
    return {QPointF(heldCentre(frame.centre.x(), crop.width(), photo.width()),
                    heldCentre(frame.centre.y(), crop.height(), photo.height())),
            zoom};
}

QRectF cropRect(QSize photo, const CropFrame& frame)
{
    const CropFrame held = heldOnPhoto(photo, frame);
    const QSizeF crop = cropSize(photo, held.zoom);
    const QPointF centre(held.centre.x() * photo.width(), held.centre.y() * photo.height());
    return {centre - QPointF(crop.width() / 2, crop.height() / 2), crop};
}

QImage onWhite(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

QImage cardPicture(const QImage& photo, const CropFrame& frame)
{
    const QRect crop = cropRect(photo.size(), frame).toRect() & photo.rect();
    // Area averaging, which QImage::scaled does when it shrinks smoothly, keeps a photo's fine
    // detail from turning into moiré, as a painter's bilinear filter would.
    return onWhite(photo.copy(crop))
        .scaled(kCardPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray cardPictureFile(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    return writer.write(picture) ? bytes : QByteArray();
}

} // namespace twindle::family

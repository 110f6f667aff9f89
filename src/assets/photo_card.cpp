#include "photo_card.h"

#include "card_fronts.h"
#include "card_painter.h"
#include "card_size.h"
#include "picture_canvas.h"

#include <QImageReader>
#include <QPainter>

#include <array>

namespace twindle {

namespace {

// Card pictures are 729 x 990; the reader may not be talked into more.
constexpr int kReaderMegabytes = 16;

QColor frameOf(int place)
{
    static constexpr std::array kFrames{cardFrames::kBlue, cardFrames::kOrange, cardFrames::kGreen,
                                        cardFrames::kPurple, cardFrames::kRed, cardFrames::kTeal,
                                        cardFrames::kGold, cardFrames::kPink, cardFrames::kIndigo};
    return QColor::fromRgb(kFrames[std::size_t(place) % kFrames.size()]);
}

} // namespace

QPixmap paintPhotoCard(const QString& picture, int place, qreal devicePixelRatio)
{
    if (place < 0 || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    const QRectF inside(kCardFrameWidth, kCardFrameWidth, kCardPixelWidth - 2 * kCardFrameWidth,
                        kCardPixelHeight - 2 * kCardFrameWidth);
    QImageReader reader(picture);
    reader.setAllocationLimit(kReaderMegabytes);
    reader.setScaledSize(devicePixelSize(inside.size().toSize(), devicePixelRatio));
    const QImage photo = reader.read();
    if (photo.isNull())
        return {};
    return paintPicture(QSize(kCardPixelWidth, kCardPixelHeight), devicePixelRatio, [&](QPainter& painter) {
        paintFramedCard(painter, frameOf(place));
        painter.drawImage(inside, photo);
    });
}

} // namespace twindle

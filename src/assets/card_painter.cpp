#include "card_painter.h"

#include "card_size.h"
#include "picture_canvas.h"
#include "resource_catalogue.h"
#include "vector_art.h"

#include <QPainter>
#include <QString>

namespace twindle {

namespace {

constexpr QSize kCardSize(kCardPixelWidth, kCardPixelHeight);


} // namespace

void paintFramedCard(QPainter& painter, QColor frame)
{
    const QRectF card(QPointF(0, 0), QSizeF(kCardSize));
    painter.fillRect(card, frame);
    painter.fillRect(card.adjusted(kCardFrameWidth, kCardFrameWidth, -kCardFrameWidth,
                                   -kCardFrameWidth),
                     Qt::white);
}

QPixmap paintCardFront(const CardFront& face, qreal devicePixelRatio)
{
    return paintPicture(kCardSize, devicePixelRatio, [&face](QPainter& painter) {
        paintFramedCard(painter, QColor::fromRgb(face.frame));
        // Nothing may stray onto the frame, whatever the composition.
        painter.setClipRect(QRectF(kCardFrameWidth, kCardFrameWidth,
                                   kCardSize.width() - 2 * kCardFrameWidth,
                                   kCardSize.height() - 2 * kCardFrameWidth));
        for (const ArtLayer& layer : face.layers) {
            const QString art = QString::fromUtf8(layer.art.data(), qsizetype(layer.art.size()));
            paintVectorArt(painter, art,
                           {QPointF(layer.x, layer.y), layer.width, layer.turn, layer.mirrored,
                            layer.hiddenTop});
        }
    });
}

} // namespace twindle

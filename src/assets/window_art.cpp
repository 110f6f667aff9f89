#include "window_art.h"

#include "picture_canvas.h"
#include "vector_art.h"

#include <QPainter>

namespace twindle {

QPixmap paintArtPicture(QStringView art, QSize logicalSize, qreal devicePixelRatio)
{
    bool drawn = false;
    QPixmap picture = paintPicture(logicalSize, devicePixelRatio, [&](QPainter& painter) {
        drawn = paintVectorArtFilling(painter, art, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    });
    return drawn ? picture : QPixmap();
}

} // namespace twindle

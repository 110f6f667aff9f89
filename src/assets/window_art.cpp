#include "window_art.h"

#include "picture_canvas.h"
#include "vector_art.h"

#include <QPainter>

namespace twindle {

QPixmap paintArtPicture(QStringView art, QSize logicalSize, qreal devicePixelRatio)
{
    const QSizeF own = vectorArtSize(art);
    if (own.isEmpty())
        return {};
    return paintPicture(logicalSize, devicePixelRatio, [art, logicalSize, own](QPainter& painter) {
        // The drawing keeps its proportions at the picture's width; stretch it to its height.
        const qreal width = logicalSize.width();
        painter.scale(1.0, logicalSize.height() / (width * own.height() / own.width()));
        paintVectorArt(painter, art, {QPointF(0, 0), width});
    });
}

} // namespace twindle

#include "window_art.h"

#include "picture_canvas.h"

#include <QPainter>
#include <QSvgRenderer>

namespace twindle {

QPixmap paintArtPicture(QStringView art, QSize logicalSize, qreal devicePixelRatio)
{
    // Window pictures are drawn once each, so a renderer of their own costs nothing worth keeping.
    QSvgRenderer svg(QStringLiteral(":/art/%1.svg").arg(art));
    if (!svg.isValid())
        return {};
    return paintPicture(logicalSize, devicePixelRatio, [&svg, logicalSize](QPainter& painter) {
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    });
}

} // namespace twindle

#include "picture_canvas.h"

#include <QPainter>

#include <cmath>

namespace twindle {

bool isUsableDevicePixelRatio(qreal devicePixelRatio)
{
    return std::isfinite(devicePixelRatio) && devicePixelRatio > 0 && devicePixelRatio <= 16;
}

QSize devicePixelSize(QSize logicalSize, qreal devicePixelRatio)
{
    return QSize(int(std::lround(logicalSize.width() * devicePixelRatio)),
                 int(std::lround(logicalSize.height() * devicePixelRatio)));
}

QPixmap paintPicture(QSize logicalSize, qreal devicePixelRatio,
                     const std::function<void(QPainter&)>& paint)
{
    if (!isUsableDevicePixelRatio(devicePixelRatio) || logicalSize.isEmpty())
        return {};
    const QSize pixels = devicePixelSize(logicalSize, devicePixelRatio);
    if (pixels.isEmpty())
        return {};

    QPixmap picture(pixels);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        // Scaling to the rounded pixel size, rather than by the ratio itself, keeps the whole
        // picture inside its pixels at ratios such as 1.25, where a side is not a whole number.
        painter.scale(qreal(pixels.width()) / logicalSize.width(),
                      qreal(pixels.height()) / logicalSize.height());
        paint(painter);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace twindle

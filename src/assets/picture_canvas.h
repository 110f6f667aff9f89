#pragma once

#include <QPixmap>
#include <QSize>

#include <functional>

class QPainter;

namespace twindle {

// Whether pictures can be drawn at this device pixel ratio: a finite ratio above 0, up to 16.
bool isUsableDevicePixelRatio(qreal devicePixelRatio);

// The device pixels of a picture of this logical size at this ratio, each side rounded.
QSize devicePixelSize(QSize logicalSize, qreal devicePixelRatio);

// A transparent picture of the logical size at the ratio, painted by `paint` in logical pixels
// with antialiasing; drawn from vectors at the ratio, so it is as sharp as the screen allows.
// A null pixmap when the ratio is unusable.
QPixmap paintPicture(QSize logicalSize, qreal devicePixelRatio,
                     const std::function<void(QPainter&)>& paint);

} // namespace twindle

#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringView>

namespace twindle {

// One of our own drawings (see vector_art.h) alone on a transparent picture of the logical
// size, stretched to fill it, at the device pixel ratio.
QPixmap paintArtPicture(QStringView art, QSize logicalSize, qreal devicePixelRatio);

} // namespace twindle

#pragma once

#include <QPixmap>
#include <QString>

namespace twindle {

// The front of a card made from a photo: the picture in the file `picture`, already cropped to
// the card's proportions, inside a frame whose colour follows the card's place in its deck, so
// that neighbours differ. 81 x 110 logical pixels at the ratio; the picture is read at the size
// it is shown at. Null when the file cannot be read as a picture or the ratio is unusable.
QPixmap paintPhotoCard(const QString& picture, int place, qreal devicePixelRatio);

} // namespace twindle

#include "resource_catalogue.h"

#include "card_fronts.h"
#include "card_painter.h"
#include "picture_canvas.h"

namespace twindle {

QPixmap cardFrontPicture(int id, qreal devicePixelRatio)
{
    const CardFront* face = cardFront(id);
    if (face == nullptr || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return paintCardFront(*face, devicePixelRatio);
}

} // namespace twindle

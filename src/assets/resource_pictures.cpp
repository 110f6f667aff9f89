#include "resource_catalogue.h"

#include "card_faces.h"
#include "card_painter.h"
#include "picture_cache.h"
#include "picture_canvas.h"

namespace twindle {

namespace {

QPixmap paintFront(int id, qreal devicePixelRatio)
{
    return paintCardFront(*cardFace(id), devicePixelRatio);
}

} // namespace

QPixmap cardFrontPicture(int id, qreal devicePixelRatio)
{
    if (cardFace(id) == nullptr || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return cachedPicture(id, devicePixelRatio, paintFront);
}

} // namespace twindle

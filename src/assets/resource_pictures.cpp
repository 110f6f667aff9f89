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

QPixmap paintNamed(int, qreal devicePixelRatio)
{
    return paintLetterBack(devicePixelRatio);
}

} // namespace

bool hasResPicture(int id)
{
    return cardFace(id) != nullptr;
}

QPixmap LoadResPicture(int id, qreal devicePixelRatio)
{
    if (!hasResPicture(id) || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return cachedPicture(id, devicePixelRatio, paintFront);
}

QPixmap LoadResPicture(QStringView name, qreal devicePixelRatio)
{
    if (name != u"LETTERBACK" || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return cachedPicture(kLetterBackKey, devicePixelRatio, paintNamed);
}

} // namespace twindle

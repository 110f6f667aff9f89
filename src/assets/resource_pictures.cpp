#include "resource_catalogue.h"

#include "card_faces.h"
#include "card_painter.h"
#include "picture_canvas.h"

#include <map>
#include <utility>

namespace twindle {

namespace {

constexpr int kLetterBackKey = 0;  // no card front has id 0

// Pictures already drawn, by card id and device pixel ratio: a card turned again, or its twin,
// costs a look-up. Drawn and used on the GUI thread only; the ratio must be usable (a NaN
// would match any key).
QPixmap cached(int key, qreal devicePixelRatio, QPixmap (*paint)(int, qreal))
{
    static std::map<std::pair<int, qreal>, QPixmap> drawn;
    const std::pair<int, qreal> slot(key, devicePixelRatio);
    const auto found = drawn.find(slot);
    if (found != drawn.end())
        return found->second;
    QPixmap picture = paint(key, devicePixelRatio);
    if (!picture.isNull())
        drawn.emplace(slot, picture);
    return picture;
}

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
    return cached(id, devicePixelRatio, paintFront);
}

QPixmap LoadResPicture(QStringView name, qreal devicePixelRatio)
{
    if (name != u"LETTERBACK" || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return cached(kLetterBackKey, devicePixelRatio, paintNamed);
}

} // namespace twindle

#include "picture_cache.h"

#include <map>
#include <utility>

namespace twindle {

QPixmap cachedPicture(int key, qreal devicePixelRatio, QPixmap (*paint)(int, qreal))
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

} // namespace twindle

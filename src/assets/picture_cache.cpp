#include "picture_cache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace twindle {

namespace {

struct Kept {
    int key;
    qreal ratio;
    QPixmap picture;
    std::uint64_t lastUse;
};

bool isCardFront(int key)
{
    return key > kCardBackKey;
}

void makeRoomForAFront(std::vector<Kept>& kept, qreal ratio)
{
    const auto sameRatioFront = [ratio](const Kept& entry) {
        return isCardFront(entry.key) && entry.ratio == ratio;
    };
    if (std::count_if(kept.begin(), kept.end(), sameRatioFront) < kCardFrontsKept)
        return;
    auto oldest = kept.end();
    for (auto entry = kept.begin(); entry != kept.end(); ++entry) {
        if (sameRatioFront(*entry) && (oldest == kept.end() || entry->lastUse < oldest->lastUse))
            oldest = entry;
    }
    kept.erase(oldest);
}

// Lets every picture of the ratio used longest ago go when a ratio comes beyond those kept.
void makeRoomForARatio(std::vector<Kept>& kept, qreal ratio)
{
    std::vector<std::pair<std::uint64_t, qreal>> ratios;  // last use, ratio
    for (const Kept& entry : kept) {
        const auto known = std::find_if(ratios.begin(), ratios.end(),
                                        [&](const auto& seen) { return seen.second == entry.ratio; });
        if (known == ratios.end())
            ratios.emplace_back(entry.lastUse, entry.ratio);
        else
            known->first = std::max(known->first, entry.lastUse);
    }
    if (int(ratios.size()) < kRatiosKept || std::any_of(ratios.begin(), ratios.end(), [&](const auto& seen) {
            return seen.second == ratio;
        }))
        return;
    const qreal oldest = std::min_element(ratios.begin(), ratios.end())->second;
    std::erase_if(kept, [&](const Kept& entry) { return entry.ratio == oldest; });
}

} // namespace

QPixmap cachedPicture(int key, qreal devicePixelRatio, QPixmap (*paint)(int, qreal))
{
    static std::vector<Kept> kept;
    static std::uint64_t uses = 0;
    ++uses;
    for (Kept& entry : kept) {
        if (entry.key == key && entry.ratio == devicePixelRatio) {
            entry.lastUse = uses;
            return entry.picture;
        }
    }
    QPixmap picture = paint(key, devicePixelRatio);
    if (picture.isNull())
        return picture;
    makeRoomForARatio(kept, devicePixelRatio);
    if (isCardFront(key))
        makeRoomForAFront(kept, devicePixelRatio);
    kept.push_back({key, devicePixelRatio, picture, uses});
    return picture;
}

} // namespace twindle

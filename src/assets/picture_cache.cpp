#include "picture_cache.h"

#include <algorithm>

namespace twindle {

void PictureCache::makeRoomForAFront(qreal ratio)
{
    const auto sameRatioFront = [ratio](const Kept& entry) { return entry.key != kBackKey && entry.ratio == ratio; };
    if (std::ranges::count_if(m_kept, sameRatioFront) < kFrontsKept)
        return;
    auto oldest = m_kept.end();
    for (auto entry = m_kept.begin(); entry != m_kept.end(); ++entry) {
        if (sameRatioFront(*entry) && (oldest == m_kept.end() || entry->lastUse < oldest->lastUse))
            oldest = entry;
    }
    m_kept.erase(oldest);
}

// Lets every picture of the ratio used longest ago go when a ratio comes beyond those kept.
void PictureCache::makeRoomForARatio(qreal ratio)
{
    std::vector<std::pair<std::uint64_t, qreal>> ratios;  // last use, ratio
    for (const Kept& entry : m_kept) {
        const auto known = std::ranges::find(ratios, entry.ratio, &std::pair<std::uint64_t, qreal>::second);
        if (known == ratios.end())
            ratios.emplace_back(entry.lastUse, entry.ratio);
        else
            known->first = std::max(known->first, entry.lastUse);
    }
    if (int(ratios.size()) < kRatiosKept
        || std::ranges::find(ratios, ratio, &std::pair<std::uint64_t, qreal>::second) != ratios.end())
        return;
    const qreal oldest = std::ranges::min(ratios).second;
    std::erase_if(m_kept, [&](const Kept& entry) { return entry.ratio == oldest; });
}

QPixmap PictureCache::picture(int key, qreal devicePixelRatio, const std::function<QPixmap()>& paint)
{
    ++m_uses;
    for (Kept& entry : m_kept) {
        if (entry.key == key && entry.ratio == devicePixelRatio) {
            entry.lastUse = m_uses;
            return entry.picture;
        }
    }
    QPixmap picture = paint();
    if (picture.isNull())
        return picture;
    makeRoomForARatio(devicePixelRatio);
    if (key != kBackKey)
        makeRoomForAFront(devicePixelRatio);
    m_kept.push_back({key, devicePixelRatio, picture, m_uses});
    return picture;
}

void PictureCache::forgetFrom(int first)
{
    std::erase_if(m_kept, [first](const Kept& entry) { return entry.key >= first; });
}

} // namespace twindle

#pragma once

#include <QPixmap>

#include <cstdint>
#include <functional>
#include <vector>

namespace twindle {

// The pictures the board draws again and again, kept by a key of their owner's choosing at each
// device pixel ratio: a card turned again, its twin, or a face-down card costs a look-up. The
// picture of kBackKey (the card back) is kept for good; of the others, the fronts, the one used
// longest ago makes room for a new one, so that memory stays level however many games are
// played. GUI thread only.
class PictureCache {
public:
    static constexpr int kBackKey = 0;

    // How many fronts are kept at one ratio: the nine faces of the largest deal and a few of the
    // deal before.
    static constexpr int kFrontsKept = 12;

    // How many ratios pictures are kept at: the board's own size and full screen; a board shown
    // at ever new sizes keeps only the pictures of the sizes it had last.
    static constexpr int kRatiosKept = 2;

    // The picture of this key at this ratio, painted by `paint` the first time. The ratio must
    // be usable (a NaN would match any key); a null painting is not kept.
    QPixmap picture(int key, qreal devicePixelRatio, const std::function<QPixmap()>& paint);

    // Lets go of every picture whose key is `first` or above: they show what no longer is.
    void forgetFrom(int first);

private:
    struct Kept {
        int key;
        qreal ratio;
        QPixmap picture;
        std::uint64_t lastUse;
    };

    void makeRoomForAFront(qreal ratio);
    void makeRoomForARatio(qreal ratio);

    std::vector<Kept> m_kept;
    std::uint64_t m_uses = 0;
};

} // namespace twindle

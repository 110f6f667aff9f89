#include "assets/picture_cache.h"

#include <gtest/gtest.h>

#include <map>

namespace twindle {
namespace {

// A cache whose paintings are counted, key by key.
struct CountedCache {
    QPixmap picture(int key, qreal ratio)
    {
        return cache.picture(key, ratio, [&] {
            ++paintings[key];
            QPixmap picture(4, 4);
            picture.setDevicePixelRatio(ratio);
            return picture;
        });
    }

    PictureCache cache;
    std::map<int, int> paintings;
};

constexpr int kBack = PictureCache::kBackKey;

TEST(PictureCache, KeepsTheFrontsUsedLatelyAndLetsTheOldestGo)
{
    CountedCache kept;
    for (int id = 101; id < 101 + PictureCache::kFrontsKept; ++id)
        kept.picture(id, 1.0);
    kept.picture(101, 1.0);  // 102 is now the oldest
    kept.picture(143, 1.0);  // one front too many

    kept.picture(101, 1.0);
    EXPECT_EQ(kept.paintings[101], 1) << "a front used lately was let go";
    kept.picture(102, 1.0);
    EXPECT_EQ(kept.paintings[102], 2) << "the front used longest ago was kept";
    EXPECT_EQ(kept.paintings[143], 1);
}

TEST(PictureCache, KeepsTheBackWhateverFrontsCome)
{
    CountedCache kept;
    kept.picture(kBack, 1.0);
    for (int round = 0; round < 3; ++round) {
        for (int id = 101; id <= 143; ++id)
            kept.picture(id, 1.0);
    }
    kept.picture(kBack, 1.0);
    EXPECT_EQ(kept.paintings[kBack], 1);
    EXPECT_EQ(kept.paintings[143], 3) << "fronts beyond the kept number were not let go";
}

// The pictures of the two ratios used last are kept apart, those of a third make way.
TEST(PictureCache, KeepsTheFrontsOfEachRatioApartAndOfTwoRatiosOnly)
{
    CountedCache kept;
    kept.picture(120, 2.5);
    for (int id = 101; id < 101 + 2 * PictureCache::kFrontsKept; ++id)
        kept.picture(id, 1.5);
    kept.picture(120, 2.5);
    EXPECT_EQ(kept.paintings[120], 2) << "one painting at 2.5, one at 1.5, none again";
    kept.picture(kBack, 3.5);
    kept.picture(120, 2.5);
    kept.picture(120, 1.5);
    EXPECT_EQ(kept.paintings[120], 3) << "1.5 was used longest ago";
}

// A failed painting is not kept; a deck read afresh lets its cards' pictures go, and only them.
TEST(PictureCache, KeepsNoFailedPaintingAndForgetsWhatNoLongerIs)
{
    CountedCache kept;
    EXPECT_TRUE(kept.cache.picture(130, 4.0, [] { return QPixmap(); }).isNull());
    kept.picture(130, 4.0);
    EXPECT_EQ(kept.paintings[130], 1);

    kept.picture(1001, 4.0);
    kept.picture(1002, 4.0);
    kept.cache.forgetFrom(1001);
    for (const int key : {130, 1001, 1002})
        kept.picture(key, 4.0);
    EXPECT_EQ(kept.paintings, (std::map<int, int>{{130, 1}, {1001, 2}, {1002, 2}}));
}

} // namespace
} // namespace twindle

#include "assets/picture_cache.h"

#include <gtest/gtest.h>

#include <map>

namespace twindle {
namespace {

// Counts the paintings of each key. Every test uses a ratio of its own: the cache is shared by
// the whole program and keeps the fronts of each ratio apart.
std::map<int, int> paintings;

QPixmap countedPainting(int key, qreal ratio)
{
    ++paintings[key];
    QPixmap picture(4, 4);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap failedPainting(int key, qreal)
{
    ++paintings[key];
    return {};
}

TEST(PictureCache, KeepsTheFrontsUsedLatelyAndLetsTheOldestGo)
{
    paintings.clear();
    const qreal ratio = 3.0;
    for (int id = 101; id < 101 + kCardFrontsKept; ++id)
        cachedPicture(id, ratio, countedPainting);
    cachedPicture(101, ratio, countedPainting);  // 102 is now the oldest
    cachedPicture(143, ratio, countedPainting);  // one front too many

    cachedPicture(101, ratio, countedPainting);
    EXPECT_EQ(paintings[101], 1) << "a front used lately was let go";
    cachedPicture(102, ratio, countedPainting);
    EXPECT_EQ(paintings[102], 2) << "the front used longest ago was kept";
    EXPECT_EQ(paintings[143], 1);
}

TEST(PictureCache, KeepsTheBackWhateverFrontsCome)
{
    paintings.clear();
    const qreal ratio = 5.0;
    cachedPicture(kCardBackKey, ratio, countedPainting);
    for (int round = 0; round < 3; ++round) {
        for (int id = 101; id <= 143; ++id)
            cachedPicture(id, ratio, countedPainting);
    }
    cachedPicture(kCardBackKey, ratio, countedPainting);
    EXPECT_EQ(paintings[kCardBackKey], 1);
    EXPECT_EQ(paintings[143], 3) << "fronts beyond the kept number were not let go";
}

// The pictures of the two ratios used last are kept apart, those of a third make way.
TEST(PictureCache, KeepsTheFrontsOfEachRatioApartAndOfTwoRatiosOnly)
{
    paintings.clear();
    cachedPicture(120, 2.5, countedPainting);
    for (int id = 101; id < 101 + 2 * kCardFrontsKept; ++id)
        cachedPicture(id, 1.5, countedPainting);
    cachedPicture(120, 2.5, countedPainting);
    EXPECT_EQ(paintings[120], 2) << "one painting at 2.5, one at 1.5, none again";
    cachedPicture(kCardBackKey, 3.5, countedPainting);
    cachedPicture(120, 2.5, countedPainting);
    cachedPicture(120, 1.5, countedPainting);
    EXPECT_EQ(paintings[120], 3) << "1.5 was used longest ago";
}

TEST(PictureCache, KeepsNoFailedPainting)
{
    paintings.clear();
    EXPECT_TRUE(cachedPicture(130, 4.0, failedPainting).isNull());
    cachedPicture(130, 4.0, countedPainting);
    EXPECT_EQ(paintings[130], 2);
}

} // namespace
} // namespace twindle

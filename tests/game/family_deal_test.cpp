#include "play_harness.h"

#include <gtest/gtest.h>

#include <set>

namespace twindle {
namespace {

using test::PlayHarness;

// A family game is dealt from the family's photos only, one pair a photo, and not without them.
TEST(FamilyPhotos, DealOnePairAPhotoAndNoMorePairsThanPhotos)
{
    PlayHarness play;
    play.faces.photos = 2;
    play.deal(kFamilyPhotos, 6);
    EXPECT_EQ(play.game.globals().CardCount, 0) << "three pairs, two photos";
    play.faces.photos = 3;
    play.deal(kFamilyPhotos, 6);
    ASSERT_EQ(play.game.globals().CardCount, 6);
    std::set<std::string> faces;
    for (int slot = 0; slot < 6; ++slot)
        faces.insert(play.tag(slot));
    EXPECT_EQ(faces, (std::set<std::string>{"1001", "1002", "1003"}));
    EXPECT_EQ(play.pairsInPlay().size(), 3u);
}

} // namespace
} // namespace twindle

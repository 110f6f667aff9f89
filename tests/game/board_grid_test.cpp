#include "game/board_grid.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(BoardGrid, EachCountHasItsGridOfPlaces)
{
    EXPECT_EQ(BoardGrid(8).places(), 8);
    EXPECT_EQ(BoardGrid(10).places(), 10);
    EXPECT_EQ(BoardGrid(12).places(), 12);
    for (const int count : {14, 16, 18})
        EXPECT_EQ(BoardGrid(count).places(), 18);
    EXPECT_EQ(&BoardGrid(14), &BoardGrid(18));
}

TEST(BoardGrid, SlotsFillTheRowsLeftToRightTopToBottom)
{
    EXPECT_EQ(BoardGrid(8).place(0), (Place{1125, 855}));
    EXPECT_EQ(BoardGrid(8).place(3), (Place{5730, 855}));
    EXPECT_EQ(BoardGrid(8).place(4), (Place{1125, 2775}));
    EXPECT_EQ(BoardGrid(8).place(7), (Place{5730, 2775}));

    EXPECT_EQ(BoardGrid(10).place(4), (Place{6270, 765}));
    EXPECT_EQ(BoardGrid(10).place(5), (Place{450, 2775}));
    EXPECT_EQ(BoardGrid(10).place(9), (Place{6270, 2775}));

    EXPECT_EQ(BoardGrid(12).place(2), (Place{3975, 135}));
    EXPECT_EQ(BoardGrid(12).place(7), (Place{5430, 1845}));
    EXPECT_EQ(BoardGrid(12).place(11), (Place{5430, 3555}));

    EXPECT_EQ(BoardGrid(14).place(12), (Place{105, 3555}));
    EXPECT_EQ(BoardGrid(14).place(13), (Place{1395, 3555}));
    EXPECT_EQ(BoardGrid(14).place(17), (Place{6555, 3555}));
    EXPECT_EQ(BoardGrid(18).place(5), (Place{6555, 135}));
    EXPECT_EQ(BoardGrid(18).place(6), (Place{105, 1845}));
}

TEST(BoardGrid, TwelveAndEighteenCardGridsShareAPlace)
{
    EXPECT_EQ(BoardGrid(12).place(2), BoardGrid(18).place(3));
}

TEST(BoardGrid, EveryCardStandsWhollyInsideTheBoardWithoutOverlap)
{
    for (const int count : {8, 10, 12, 18}) {
        const Grid& grid = BoardGrid(count);
        for (int i = 0; i < grid.places(); ++i) {
            const Place place = grid.place(i);
            EXPECT_GE(place.left, 0);
            EXPECT_GE(place.top, 0);
            EXPECT_LE(place.left + kCardWidth, kBoardWidth) << count << " cards, slot " << i;
            EXPECT_LE(place.top + kCardHeight, kBoardHeight) << count << " cards, slot " << i;
            for (int j = 0; j < i; ++j) {
                const Place other = grid.place(j);
                const bool apart = other.left + kCardWidth <= place.left
                    || place.left + kCardWidth <= other.left
                    || other.top + kCardHeight <= place.top || place.top + kCardHeight <= other.top;
                EXPECT_TRUE(apart) << count << " cards: slots " << j << " and " << i << " overlap";
            }
        }
    }
}

TEST(BoardGrid, ParkingPlacesLieRightOfTheBoard)
{
    EXPECT_GT(kSlotParking.left, kBoardWidth);
    EXPECT_GT(kFrameParking.left, kBoardWidth);
}

} // namespace
} // namespace twindle

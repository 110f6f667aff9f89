#include "assets/named_colours.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(NamedColours, ComposeRedPlusGreenTimes256PlusBlueTimes65536)
{
    EXPECT_EQ(colourFromName("white"), 16777215);
    EXPECT_EQ(colourFromName("navy"), 128 * 65536);
    EXPECT_EQ(colourFromName("red"), 255);
    EXPECT_EQ(colourFromName("kaki"), 188 + 256 * 188 + 65536 * 144);
    EXPECT_EQ(colourFromName("peach"), 255 + 256 * 209 + 65536 * 126) << "its red of 294 is capped";
}

// "grey" ends "darkgrey" and begins "greyish": neither may be taken for the other.
TEST(NamedColours, OnlyTheWholeNameInItsOwnCaseMatches)
{
    for (const char* other : {"White", "PEACH", " red", "red ", "", "kak", "kakis", "greyish", "grey\n"})
        EXPECT_EQ(colourFromName(other), 0) << '"' << other << '"';
    EXPECT_EQ(colourFromName("darkgrey"), 150 * 65793);
    EXPECT_EQ(colourFromName("grey"), 190 * 65793);
}

} // namespace
} // namespace twindle

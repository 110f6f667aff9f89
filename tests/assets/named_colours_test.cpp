#include "assets/named_colours.h"

#include <gtest/gtest.h>

#include <string>

namespace twindle {
namespace {

TEST(NamedColours, ComposeRedPlusGreenTimes256PlusBlueTimes65536)
{
    EXPECT_EQ(ColorFromName("white"), 16777215);
    EXPECT_EQ(ColorFromName("navy"), 128 * 65536);
    EXPECT_EQ(ColorFromName("red"), 255);
    EXPECT_EQ(ColorFromName("kaki"), 188 + 256 * 188 + 65536 * 144);
    EXPECT_EQ(ColorFromName("prettyblue"), 24 + 256 * 146 + 65536 * 232);
    EXPECT_EQ(ColorFromName("dove"), 220 + 256 * 220 + 65536 * 220);
    EXPECT_EQ(ColorFromName("brown"), 185 + 256 * 118 + 65536 * 41);
}

TEST(NamedColours, PeachIsCappedAtFullRed)
{
    EXPECT_EQ(ColorFromName("peach"), RGB(255, 209, 126));
    EXPECT_EQ(redOf(ColorFromName("peach")), 255);
    EXPECT_EQ(RGB(294, 209, 126), RGB(255, 209, 126));
    EXPECT_EQ(RGB(300, 300, 300), ColorFromName("white"));
}

TEST(NamedColours, OnlyTheWholeExactNameMatches)
{
    for (const char* name : {"White", "PEACH", " red", "red ", "", "gray", "kak", "kakis",
                             "prettyBlue", "lightblue", "grey\n"}) {
        EXPECT_EQ(ColorFromName(name), 0) << '"' << name << '"';
    }
    EXPECT_EQ(ColorFromName("darkgrey"), RGB(150, 150, 150));
    EXPECT_NE(ColorFromName("darkgrey"), ColorFromName("grey"));
    EXPECT_NE(ColorFromName("highblue"), ColorFromName("blue"));
    EXPECT_NE(ColorFromName("softpink"), ColorFromName("pink"));
}

TEST(NamedColours, ANameWithANulInsideIsNotTheNameBeforeIt)
{
    EXPECT_EQ(ColorFromName(std::string("red\0x", 5)), 0);
}

TEST(NamedColours, ComponentsComeBackFromAComposedValue)
{
    const Colour sky = ColorFromName("sky");
    EXPECT_EQ(redOf(sky), 84);
    EXPECT_EQ(greenOf(sky), 136);
    EXPECT_EQ(blueOf(sky), 190);
}

} // namespace
} // namespace twindle

#include "named_colours.h"

#include <algorithm>
#include <array>

namespace twindle {

namespace {

struct NamedColour {
    std::string_view name;
    int red;
    int green;
    int blue;
};

// The game's palette. "peach" has always been written with a red of 294; the composition
// caps it at 255.
constexpr std::array kPalette{
    NamedColour{"white", 255, 255, 255},
    NamedColour{"grey", 190, 190, 190},
    NamedColour{"dove", 220, 220, 220},
    NamedColour{"darkgrey", 150, 150, 150},
    NamedColour{"softblue", 157, 172, 189},
    NamedColour{"sky", 84, 136, 190},
    NamedColour{"prettyblue", 24, 146, 232},
    NamedColour{"navy", 0, 0, 128},
    NamedColour{"blue", 0, 0, 200},
    NamedColour{"highblue", 64, 64, 255},
    NamedColour{"powderblue", 214, 214, 253},
    NamedColour{"darkpurple", 128, 0, 128},
    NamedColour{"purple", 179, 45, 181},
    NamedColour{"softpurple", 176, 127, 176},
    NamedColour{"pastelpurple", 223, 195, 223},
    NamedColour{"cyan", 0, 192, 192},
    NamedColour{"highcyan", 66, 242, 242},
    NamedColour{"lemon", 255, 255, 128},
    NamedColour{"yellow", 255, 255, 0},
    NamedColour{"pastelyellow", 255, 255, 192},
    NamedColour{"highyellow", 255, 255, 64},
    NamedColour{"gold", 212, 212, 8},
    NamedColour{"forest", 0, 140, 0},
    NamedColour{"grass", 47, 165, 47},
    NamedColour{"highgreen", 0, 255, 0},
    NamedColour{"pastelgreen", 160, 216, 160},
    NamedColour{"softgreen", 120, 198, 120},
    NamedColour{"eastergreen", 115, 237, 115},
    NamedColour{"red", 255, 0, 0},
    NamedColour{"cardinal", 224, 16, 16},
    NamedColour{"maroon", 189, 0, 0},
    NamedColour{"peach", 294, 209, 126},
    NamedColour{"orange", 255, 173, 29},
    NamedColour{"darkorange", 232, 156, 24},
    NamedColour{"pink", 252, 128, 169},
    NamedColour{"softpink", 253, 205, 221},
    NamedColour{"rose", 255, 128, 128},
    NamedColour{"plum", 192, 136, 154},
    NamedColour{"teal", 67, 149, 148},
    NamedColour{"tan", 223, 223, 185},
    NamedColour{"kaki", 188, 188, 144},
    NamedColour{"brown", 185, 118, 41},
    // The players' colours in toddler mode: Okabe and Ito's palette, which people who see colours
    // differently still tell apart, and the pale ground their pictures stand on.
    NamedColour{"okabeorange", 230, 159, 0},
    NamedColour{"okabeblue", 0, 114, 178},
    NamedColour{"okabegreen", 0, 158, 115},
    NamedColour{"okabepurple", 204, 121, 167},
    NamedColour{"okabesky", 86, 180, 233},
    NamedColour{"cream", 250, 246, 235},
};

int capped(int component) { return std::min(component, 255); }

} // namespace

Colour rgb(int red, int green, int blue)
{
    return capped(red) + 256 * capped(green) + 65536 * capped(blue);
}

Colour colourFromName(std::string_view name)
{
    const auto match = std::ranges::find(kPalette, name, &NamedColour::name);
    if (match == kPalette.end())
        return 0;
    return rgb(match->red, match->green, match->blue);
}

} // namespace twindle

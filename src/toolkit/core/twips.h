#pragma once

namespace twindle {

// Window layouts are measured in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace twindle

#include "play_harness.h"

#include "assets/named_colours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace twindle {
namespace {

// Relative luminance of a colour as WCAG defines it: sRGB components made linear, weighted.
double relativeLuminance(Colour colour)
{
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(colour)) + 0.7152 * linear(greenOf(colour)) + 0.0722 * linear(blueOf(colour));
}

struct Frame {
    long long at;  // ms
    double luminance;
};

// The times of WCAG's transitions in a run of frames: a change of relative luminance of 0.1 or
// more from the last extreme to the opposite one, the darker below 0.8. Smaller wiggles on the
// way do not end a change; a change that goes on the same way only moves its extreme.
std::vector<long long> transitions(const std::vector<Frame>& frames)
{
    std::vector<long long> times;
    double low = frames.front().luminance, high = low;
    int direction = 0;  // +1 brightening, -1 darkening, 0 none yet
    for (const Frame& frame : frames) {
        const double l = frame.luminance;
        if (direction >= 0 && l > high)
            high = l;
        if (direction <= 0 && l < low)
            low = l;
        const bool up = direction <= 0 && l - low >= 0.1 && low < 0.8;
        const bool down = direction >= 0 && high - l >= 0.1 && l < 0.8;
        if (up || down) {
            times.push_back(frame.at);
            direction = up ? 1 : -1;
            low = high = l;
        }
    }
    return times;
}

// A flash is a pair of opposing transitions: the most flashes that any one second holds.
int mostFlashesInASecond(const std::vector<long long>& times)
{
    std::size_t most = 0;
    for (std::size_t first = 0; first < times.size(); ++first) {
        std::size_t last = first;
        while (last + 1 < times.size() && times[last + 1] < times[first] + 1000)
            ++last;
        most = std::max(most, last - first + 1);
    }
    return int(most / 2);
}

// The celebration fills the screen in toddler mode: however its colours or its tick change, it
// flashes at most twice in any second, as WCAG 2.3.1 asks of anything shown (three is its limit).
TEST(Celebration, FlashesAtMostTwiceInAnySecond)
{
    test::PlayHarness play;
    play.deal(kPictureCards, 4);
    const long long start = play.findEveryPair();
    std::vector<Frame> shown{{start, relativeLuminance(play.game.form().BackColor)}};
    while (play.game.form().YouDidItTicks != 0 || shown.size() == 1) {
        ASSERT_TRUE(play.clock.fireNext()) << "the celebration never ended";
        shown.push_back({play.clock.now(), relativeLuminance(play.game.form().BackColor)});
    }
    ASSERT_GE(shown.size(), 23u);
    const std::vector<long long> times = transitions(shown);
    EXPECT_GE(times.size(), 8u) << "the count must see the celebration's changes at all";
    EXPECT_LE(mostFlashesInASecond(times), 2) << times.size() << " transitions";
}

} // namespace
} // namespace twindle

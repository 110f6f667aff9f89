// Measures how long the card fronts take to draw: picture_timing [DEVICE_PIXEL_RATIO]
// Run it once per ratio: "cold" is each card's first cardFrontPicture in a fresh process; "warm"
// is the same call straight after, served from the picture cache; "redraw" draws a card anew
// from its drawings, as a card the cache has let go is drawn.

#include "assets/card_fronts.h"
#include "assets/card_painter.h"
#include "assets/resource_catalogue.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace twindle;
using Clock = std::chrono::steady_clock;

template <typename Action>
double millisecondsFor(Action action)
{
    const auto start = Clock::now();
    action();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) {
        return times[std::min(times.size() - 1, std::size_t(share * double(times.size())))];
    };
    std::printf("%-8s n=%3zu  median %7.3f ms  p90 %7.3f ms  p99 %7.3f ms  max %7.3f ms\n", what,
                times.size(), at(0.5), at(0.9), at(0.99), times.back());
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const qreal ratio = application.arguments().size() > 1
                            ? application.arguments()[1].toDouble()
                            : 1.0;
    std::printf("device pixel ratio %.2f\n", ratio);

    std::vector<double> cold, warm, redraw;
    int slowest = 0;
    double slowestTime = 0;
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const double time = millisecondsFor([&] { (void)cardFrontPicture(id, ratio); });
        cold.push_back(time);
        warm.push_back(millisecondsFor([&] { (void)cardFrontPicture(id, ratio); }));
        if (time > slowestTime) {
            slowestTime = time;
            slowest = id;
        }
    }
    for (int round = 0; round < 20; ++round)
        for (int id = kFirstCardFront; id <= kLastCardFront; ++id)
            redraw.push_back(millisecondsFor([&] { (void)paintCardFront(*cardFront(id), ratio); }));

    std::printf("first card drawn (%d): %.3f ms; slowest cold card: %d, %.3f ms\n",
                kFirstCardFront, cold.front(), slowest, slowestTime);
    report("cold", cold);
    report("warm", warm);
    report("redraw", redraw);
    return 0;
}

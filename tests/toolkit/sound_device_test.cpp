#include "toolkit/deferred_sound_output.h"
#include "toolkit/qt_sound_output.h"
#include "toolkit/timed_sound_device.h"

#include "wave_bytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace twindle {
namespace {

using namespace std::chrono_literals;
using Clock = SoundOutput::Clock;
using namespace test;

const Bytes kTwoSeconds = riff(fmt(kMono8) + data(22050));

// An output that starts every sound at the time `startTime` gives.
struct FakeSoundOutput final : SoundOutput {
    std::function<Clock::time_point()> startTime = Clock::now;
    int starts = 0;

    std::optional<Clock::time_point> start(const WaveFormat&, std::span<const std::byte>) override
    {
        ++starts;
        return startTime();
    }
};

// One call after another on a clock that stands still unless a wait moves it on: how far it moved
// on before the call, the image and flags, whether the sound was played and how long the call
// held. Every sound starts 3 ms after it is asked for and lasts two seconds.
struct Call {
    Clock::duration before;
    Bytes image;
    int flags;
    bool played;
    Clock::duration held;
};

TEST(TimedSoundDevice, HoldsAWaitingCallForTheSoundsLengthAndMindsTheFlags)
{
    Clock::time_point now;
    FakeSoundOutput output;
    output.startTime = [&] { return now + 3ms; };
    const auto waitUntil = [&](Clock::time_point until) { now = std::max(now, until); };
    TimedSoundDevice device(output, [&] { return now; }, waitUntil);
    const Call calls[] = {
        {0s, kTwoSeconds, SND_MEMORY | SND_NODEFAULT, true, 2003ms},
        {0s, kTwoSeconds, SND_ASYNC | SND_MEMORY, true, 0s},
        {2s, kTwoSeconds, SND_NOSTOP | SND_MEMORY, false, 0s},       // the sound before still plays
        {3ms, kTwoSeconds, SND_NOSTOP | SND_MEMORY, true, 2003ms},   // and has just ended
        {0s, riff(fmt(kMono8, 3) + data(10)), SND_MEMORY, false, 0s},  // not PCM
        {0s, {}, SND_MEMORY, false, 0s},
    };
    int starts = 0;
    for (const Call& call : calls) {
        now += call.before;
        const Clock::time_point askedAt = now;
        EXPECT_EQ(device.sndPlaySound(call.image, call.flags), call.played) << starts;
        EXPECT_EQ(now - askedAt, call.held) << starts;
        EXPECT_EQ(output.starts, starts += call.played);
    }
}

// While a waiting call holds the GUI thread, no click and no timer of that thread may run: the
// game would take a click in the middle of handling a found pair. This one waits for real.
TEST(TimedSoundDevice, RunsNoEventOfTheCallingThreadWhileItWaitsAndLeavesThemForAfter)
{
    FakeSoundOutput output;
    TimedSoundDevice device(output);
    std::set<std::string> ran;
    QMetaObject::invokeMethod(qApp, [&] { ran.insert("queued call"); }, Qt::QueuedConnection);
    QTimer::singleShot(0, [&] { ran.insert("zero timer"); });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ran.insert("ticking timer"); });
    ticker.start(10);

    const Clock::time_point before = Clock::now();
    ASSERT_TRUE(device.sndPlaySound(riff(fmt(kMono8) + data(3675)), SND_MEMORY));  // a third of a second
    EXPECT_GE(Clock::now() - before, 333ms);
    EXPECT_TRUE(ran.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (std::set<std::string>{"queued call", "zero timer", "ticking timer"}));
}

// PULSE_SERVER points where nothing listens (see qt_test_main.cpp).
TEST(QtSoundOutput, StartsItsAudioThreadAtTheFirstSoundEndsItWithItselfAndWithoutAServerReturnsAtOnce)
{
    const auto threads = [] { return qApp->findChildren<QThread*>().size(); };
    const auto before = threads();
    {
        QtSoundOutput output;
        TimedSoundDevice device(output);
        EXPECT_EQ(threads(), before);
        for (int call = 0; call < 2; ++call) {
            const Clock::time_point start = Clock::now();
            EXPECT_FALSE(device.sndPlaySound(kTwoSeconds, SND_MEMORY)) << call;
            EXPECT_LT(Clock::now() - start, 200ms) << call;
        }
        EXPECT_EQ(threads(), before + 1);
    }
    EXPECT_EQ(threads(), before);
}

TEST(DeferredSoundOutput, LoadsItsOutputOnceAtTheFirstSoundAndIsSilentWithoutOne)
{
    int loads = 0;
    DeferredSoundOutput some([&] { return ++loads, std::unique_ptr<SoundOutput>(new FakeSoundOutput); });
    DeferredSoundOutput none([&] { return ++loads, std::unique_ptr<SoundOutput>(); });
    EXPECT_EQ(loads, 0);
    for (int call = 0; call < 2; ++call) {
        EXPECT_TRUE(some.start(kMono8, {}));
        EXPECT_FALSE(none.start(kMono8, {}));
    }
    EXPECT_EQ(loads, 2);
}

TEST(SystemSoundDevice, IsOneForTheRunAndLoadsTheAudioModuleAtTheFirstSound)
{
    const auto audioModuleIsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("lib/twindle/twindle_audio.so");
    };
    EXPECT_EQ(&systemSoundDevice(), &systemSoundDevice());
    EXPECT_FALSE(audioModuleIsLoaded());
    EXPECT_FALSE(systemSoundDevice().sndPlaySound(kTwoSeconds, SND_MEMORY));
    EXPECT_TRUE(audioModuleIsLoaded());
}

} // namespace
} // namespace twindle

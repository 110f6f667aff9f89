#include "toolkit/audio/audio_module.h"
#include "toolkit/audio/qt_audio_output.h"

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
    float volume = 0;

    std::optional<Clock::time_point> start(const WaveFormat&, std::span<const std::byte>, float at) override
    {
        ++starts;
        volume = at;
        return startTime();
    }
};

// One call after another on a clock that stands still unless a wait moves it on: how far it moved
// on before the call, the image and flags, whether the sound was played and how long the call
// held. Every sound starts 3 ms after it is asked for.
struct Call {
    Clock::duration before;
    Bytes image;
    int flags;
    bool played;
    Clock::duration held;
};

TEST(SoundCall, HoldsAWaitingCallForTheSoundsLengthAtItsByteRateAndMindsTheFlags)
{
    Clock::time_point now;
    FakeSoundOutput output;
    output.startTime = [&] { return now + 3ms; };
    const auto waitUntil = [&](Clock::time_point until) { now = std::max(now, until); };
    SoundCall call(output, [&] { return now; }, waitUntil);
    const WaveFormat stereo16{2, 22050, 88200, 4, 16};
    const Call calls[] = {
        {0s, kTwoSeconds, 0, true, 2003ms},
        {0s, kTwoSeconds, kSoundAsync, true, 0s},
        {2s, kTwoSeconds, kSoundNoStop, false, 0s},  // the sound before still plays
        {0s, kTwoSeconds, 0, true, 2003ms},            // without it, cuts that sound short
        {3ms, kTwoSeconds, kSoundNoStop, true, 2003ms},  // and has just ended
        {0s, riff(fmt(stereo16) + data(44100)), 0, true, 503ms},
        {0s, kTwoSeconds, kSoundAsync | kSoundMayBeCut, true, 0s},  // a word said in passing
        {0s, kTwoSeconds, kSoundNoStop, true, 2003ms},                // does not make this wait
        {0s, riff(fmt(kMono8, 3) + data(10)), 0, false, 0s},  // not PCM
        {0s, {}, 0, false, 0s},
    };
    int starts = 0;
    for (const Call& each : calls) {
        now += each.before;
        const Clock::time_point askedAt = now;
        EXPECT_EQ(call.play(each.image, each.flags), each.played) << starts;
        EXPECT_EQ(now - askedAt, each.held) << starts;
        EXPECT_EQ(output.starts, starts += each.played);
    }
    call.play(kTwoSeconds, kSoundAsync, 0.25f);
    EXPECT_EQ(output.volume, 0.25f) << "as loud as asked";
}

// While a waiting call holds the GUI thread, no click and no timer of that thread may run: the
// game would take a click in the middle of handling a found pair. This one waits for real.
TEST(SoundCall, RunsNoEventOfTheCallingThreadWhileItWaitsAndLeavesThemForAfter)
{
    FakeSoundOutput output;
    SoundCall call(output);
    std::set<std::string> ran;
    QMetaObject::invokeMethod(qApp, [&] { ran.insert("queued call"); }, Qt::QueuedConnection);
    QTimer::singleShot(0, [&] { ran.insert("zero timer"); });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ran.insert("ticking timer"); });
    ticker.start(10);

    const Clock::time_point before = Clock::now();
    ASSERT_TRUE(call.play(riff(fmt(kMono8) + data(1103)), 0));  // a tenth of a second
    EXPECT_GE(Clock::now() - before, 100ms);
    EXPECT_TRUE(ran.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (std::set<std::string>{"queued call", "zero timer", "ticking timer"}));
}

// PULSE_SERVER points where nothing listens (see qt_test_main.cpp).
TEST(QtAudioOutput, StartsItsAudioThreadAtTheFirstSoundEndsItWithItselfAndWithoutAServerReturnsAtOnce)
{
    const auto threads = [] { return qApp->findChildren<QThread*>().size(); };
    const auto before = threads();
    {
        QtAudioOutput output;
        SoundCall call(output);
        EXPECT_EQ(threads(), before);
        for (int each = 0; each < 2; ++each) {
            const Clock::time_point start = Clock::now();
            EXPECT_FALSE(call.play(kTwoSeconds, 0)) << each;
            EXPECT_LT(Clock::now() - start, 200ms) << each;
        }
        EXPECT_EQ(threads(), before + 1);
    }
    EXPECT_EQ(threads(), before);
}

TEST(SystemSound, IsOneForTheRunAndLoadsTheAudioModuleAtTheFirstSound)
{
    const auto audioModuleIsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("lib/twindle/twindle_audio.so");
    };
    EXPECT_EQ(&systemSound(), &systemSound());
    EXPECT_FALSE(audioModuleIsLoaded());
    EXPECT_FALSE(systemSound().play(kTwoSeconds, 0));
    EXPECT_TRUE(audioModuleIsLoaded());
}

} // namespace
} // namespace twindle

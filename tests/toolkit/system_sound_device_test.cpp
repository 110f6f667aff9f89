#include "toolkit/deferred_sound_output.h"
#include "toolkit/qt_sound_output.h"
#include "toolkit/sound_device.h"
#include "toolkit/timed_sound_device.h"

#include "assets/play_sounds.h"
#include "fake_sound_output.h"
#include "wave_image_builder.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

namespace twindle {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Two seconds of 8-bit mono at 11025 Hz.
const test::ByteVector kTwoSeconds = test::riffImage(
    {test::formatChunk(test::pcmFormat(1, 11025, 8)), test::dataChunk(22050)});

int audioThreads()
{
    return int(QCoreApplication::instance()->findChildren<QThread*>().size());
}

bool isMapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

// The tests run with PULSE_SERVER pointing where no server listens (see sound_test_main.cpp).
TEST(QtSoundOutput, WithNoAudioOutputACallReturnsAtOnceAndSilently)
{
    QtSoundOutput output;
    TimedSoundDevice device(output);
    for (int call = 0; call < 3; ++call) {
        const Clock::time_point before = Clock::now();
        EXPECT_FALSE(device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
        EXPECT_LT(Clock::now() - before, 200ms) << "call " << call;
    }
}

TEST(QtSoundOutput, LooksForTheAudioOutputOnlyAtTheFirstSound)
{
    const int threadsBefore = audioThreads();
    {
        QtSoundOutput output;
        TimedSoundDevice device(output);
        EXPECT_EQ(audioThreads(), threadsBefore) << "nothing starts with the output";
        device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT);
        EXPECT_EQ(audioThreads(), threadsBefore + 1) << "the audio thread starts with the first sound";
        device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT);
        EXPECT_EQ(audioThreads(), threadsBefore + 1) << "and serves every later one";
    }
    EXPECT_EQ(audioThreads(), threadsBefore) << "the audio thread ends with the output";
}

TEST(DeferredSoundOutput, LoadsTheOutputOnceAtTheFirstSound)
{
    int loads = 0;
    test::FakeSoundOutput* fake = nullptr;
    DeferredSoundOutput output([&]() -> std::unique_ptr<SoundOutput> {
        ++loads;
        auto made = std::make_unique<test::FakeSoundOutput>();
        fake = made.get();
        return made;
    });
    TimedSoundDevice device(output);
    EXPECT_EQ(loads, 0);
    const test::ByteVector tiny = test::riffImage(
        {test::formatChunk(test::pcmFormat(1, 11025, 8)), test::dataChunk(11)});
    EXPECT_TRUE(device.sndPlaySound(tiny, SND_MEMORY | SND_NODEFAULT));
    EXPECT_TRUE(device.sndPlaySound(tiny, SND_MEMORY | SND_NODEFAULT));
    EXPECT_EQ(loads, 1);
    ASSERT_NE(fake, nullptr);
    EXPECT_EQ(fake->starts, 2);
}

TEST(DeferredSoundOutput, WithoutAnOutputEverySoundIsSilent)
{
    int loads = 0;
    DeferredSoundOutput output([&] { ++loads; return std::unique_ptr<SoundOutput>(); });
    TimedSoundDevice device(output);
    const Clock::time_point before = Clock::now();
    EXPECT_FALSE(device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
    EXPECT_FALSE(device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
    EXPECT_LT(Clock::now() - before, 200ms);
    EXPECT_EQ(loads, 1) << "a missing module is looked for once";
}

TEST(SystemSoundDevice, IsOneForTheWholeRunAndLoadsTheAudioModuleAtTheFirstSound)
{
    EXPECT_EQ(&systemSoundDevice(), &systemSoundDevice());
    EXPECT_FALSE(isMapped("twindle_audio.so")) << "the module waits for the first sound";
    EXPECT_FALSE(systemSoundDevice().sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
    EXPECT_TRUE(isMapped("twindle_audio.so")) << "the module is looked for beside bin/, in lib/twindle/";
}

// While a waiting call holds the GUI thread, no click and no timer of that thread may run: the
// game would take a click in the middle of handling a found pair.
TEST(TimedSoundDevice, HandlesNoEventsWhileItWaits)
{
    test::FakeSoundOutput output;
    TimedSoundDevice device(output);
    const test::ByteVector thirdOfASecond = test::riffImage(
        {test::formatChunk(test::pcmFormat(1, 11025, 8)), test::dataChunk(3675)});

    bool queuedCallRan = false;
    bool zeroTimerRan = false;
    int ticks = 0;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { queuedCallRan = true; },
                              Qt::QueuedConnection);
    QTimer::singleShot(0, [&] { zeroTimerRan = true; });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);

    const Clock::time_point before = Clock::now();
    ASSERT_TRUE(device.sndPlaySound(thirdOfASecond, SND_MEMORY | SND_NODEFAULT));
    EXPECT_GE(Clock::now() - before, 333ms) << "returned before the sound had ended";
    EXPECT_FALSE(queuedCallRan);
    EXPECT_FALSE(zeroTimerRan);
    EXPECT_EQ(ticks, 0);

    QCoreApplication::processEvents();
    EXPECT_TRUE(queuedCallRan) << "events that came during the sound are handled after it";
    EXPECT_TRUE(zeroTimerRan);
    EXPECT_GE(ticks, 1);
}

} // namespace
} // namespace twindle

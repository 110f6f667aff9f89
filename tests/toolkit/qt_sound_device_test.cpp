#include "toolkit/qt_sound_device.h"

#include "assets/play_sounds.h"
#include "fake_sound_output.h"
#include "wave_image_builder.h"

#include <QCoreApplication>
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

// The tests run with PULSE_SERVER pointing where no server listens (see sound_test_main.cpp).
TEST(QtSoundDevice, WithNoAudioOutputACallReturnsAtOnceAndSilently)
{
    QtSoundDevice device;
    for (int call = 0; call < 3; ++call) {
        const Clock::time_point before = Clock::now();
        EXPECT_FALSE(device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
        EXPECT_LT(Clock::now() - before, 200ms) << "call " << call;
    }
}

TEST(QtSoundDevice, LooksForTheAudioOutputOnlyAtTheFirstSound)
{
    const int threadsBefore = audioThreads();
    {
        QtSoundDevice device;
        EXPECT_EQ(audioThreads(), threadsBefore) << "nothing starts with the device";
        device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT);
        EXPECT_EQ(audioThreads(), threadsBefore + 1) << "the audio thread starts with the first sound";
        device.sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT);
        EXPECT_EQ(audioThreads(), threadsBefore + 1) << "and serves every later one";
    }
    EXPECT_EQ(audioThreads(), threadsBefore) << "the audio thread ends with the device";
}

TEST(QtSoundDevice, TheSystemDeviceIsOneForTheWholeRun)
{
    EXPECT_EQ(&systemSoundDevice(), &systemSoundDevice());
    EXPECT_FALSE(systemSoundDevice().sndPlaySound(kTwoSeconds, SND_MEMORY | SND_NODEFAULT));
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

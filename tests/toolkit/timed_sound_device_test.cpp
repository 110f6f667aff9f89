#include "toolkit/timed_sound_device.h"

#include "assets/play_sounds.h"
#include "fake_sound_output.h"
#include "wave_image_builder.h"

#include <gtest/gtest.h>

namespace twindle {
namespace {

using namespace std::chrono_literals;
using test::ByteVector;
using test::FakeSoundOutput;
using Clock = TimedSoundDevice::Clock;

// A clock that stands still unless told, and a wait that only moves it on.
struct FakeTime {
    Clock::time_point now = Clock::time_point(100s);
    std::vector<Clock::time_point> waits;
};

class TimedSound : public testing::Test {
protected:
    FakeTime time;
    FakeSoundOutput output;
    TimedSoundDevice device{output, [this] { return time.now; },
                            [this](Clock::time_point deadline) {
                                time.waits.push_back(deadline);
                                time.now = std::max(time.now, deadline);
                            }};

    // A sound starts 3 ms after it is asked for.
    void SetUp() override
    {
        output.startTime = [this] { return std::optional(time.now + 3ms); };
    }

    bool play(const ByteVector& image, int flags)
    {
        return device.sndPlaySound(image, flags);
    }
};

// 9629 samples at 11025 a second: LOON's length.
const ByteVector kLoonLike = test::riffImage({test::formatChunk(test::pcmFormat(1, 11025, 8)),
                                              test::dataChunk(9629)});
constexpr auto kLoonLikeLength = 873'378'684ns;

TEST_F(TimedSound, AWaitingCallHoldsForTheSoundsLengthFromItsStart)
{
    const Clock::time_point askedAt = time.now;
    EXPECT_TRUE(play(kLoonLike, SND_MEMORY | SND_NODEFAULT));
    ASSERT_EQ(time.waits.size(), 1u);
    EXPECT_EQ(time.waits[0], askedAt + 3ms + kLoonLikeLength);
    EXPECT_EQ(output.starts, 1);
}

TEST_F(TimedSound, AnAsyncCallDoesNotWait)
{
    EXPECT_TRUE(play(kLoonLike, SND_ASYNC | SND_MEMORY));
    EXPECT_TRUE(time.waits.empty());
    EXPECT_EQ(output.starts, 1);
}

TEST_F(TimedSound, TheOutputGetsTheFormatAndSamples)
{
    play(kLoonLike, SND_MEMORY);
    EXPECT_EQ(output.lastFormat, test::pcmFormat(1, 11025, 8));
    EXPECT_EQ(output.lastSamples, test::dataChunk(9629).body);
}

TEST_F(TimedSound, NoStopSkipsTheSoundWhileAnotherStillPlays)
{
    ASSERT_TRUE(play(kLoonLike, SND_ASYNC | SND_MEMORY));
    time.now += 500ms;
    EXPECT_FALSE(play(kLoonLike, SND_NOSTOP | SND_MEMORY));
    EXPECT_EQ(output.starts, 1);
    EXPECT_TRUE(time.waits.empty());

    time.now += 3ms + kLoonLikeLength - 500ms;  // the first sound has just ended
    EXPECT_TRUE(play(kLoonLike, SND_NOSTOP | SND_MEMORY));
    EXPECT_EQ(output.starts, 2);
}

TEST_F(TimedSound, NoStopPlaysWhenNothingPlays)
{
    EXPECT_TRUE(play(kLoonLike, SND_NOSTOP | SND_MEMORY));
    EXPECT_EQ(output.starts, 1);
    EXPECT_TRUE(play(kLoonLike, SND_NOSTOP | SND_MEMORY)) << "the waiting call saw the first end";
    EXPECT_EQ(output.starts, 2);
}

TEST_F(TimedSound, WithoutNoStopANewSoundCutsIn)
{
    ASSERT_TRUE(play(kLoonLike, SND_ASYNC | SND_MEMORY));
    time.now += 100ms;
    EXPECT_TRUE(play(kLoonLike, SND_MEMORY));
    EXPECT_EQ(output.starts, 2);
}

TEST_F(TimedSound, ARefusedImageIsSilentAndImmediate)
{
    ByteVector broken = kLoonLike;
    broken[20] = std::byte{3};  // not PCM
    for (const int flags : {SND_MEMORY | SND_NODEFAULT, SND_MEMORY}) {
        EXPECT_FALSE(play(broken, flags));
        EXPECT_FALSE(play({}, flags));
    }
    EXPECT_EQ(output.starts, 0);
    EXPECT_TRUE(time.waits.empty());
}

TEST_F(TimedSound, WithoutTheMemoryFlagNothingIsPlayed)
{
    EXPECT_FALSE(play(kLoonLike, SND_NODEFAULT));
    EXPECT_EQ(output.starts, 0);
}

TEST_F(TimedSound, WhenTheOutputCannotPlayTheCallReturnsAtOnce)
{
    output.startTime = [] { return std::nullopt; };
    EXPECT_FALSE(play(kLoonLike, SND_MEMORY | SND_NODEFAULT));
    EXPECT_TRUE(time.waits.empty());
}

TEST_F(TimedSound, ASoundThatFailedToStartDoesNotBlockTheNext)
{
    ASSERT_TRUE(play(kLoonLike, SND_ASYNC | SND_MEMORY));
    output.startTime = [] { return std::nullopt; };
    EXPECT_FALSE(play(kLoonLike, SND_ASYNC | SND_MEMORY));  // cut the first, then failed
    output.startTime = [this] { return std::optional(time.now); };
    EXPECT_TRUE(play(kLoonLike, SND_NOSTOP | SND_ASYNC | SND_MEMORY));
}

TEST_F(TimedSound, OnlyWholeFramesArePlayedAndTimed)
{
    // Stereo 16 bits: 4-byte frames, 40000 bytes a second at 10 kHz; the last 3 bytes are
    // part of a frame.
    const ByteVector image = test::riffImage({test::formatChunk(test::pcmFormat(2, 10000, 16)),
                                              test::dataChunk(4000 + 3)});
    const Clock::time_point askedAt = time.now;
    ASSERT_TRUE(play(image, SND_MEMORY));
    EXPECT_EQ(output.lastSamples.size(), 4000u);
    ASSERT_EQ(time.waits.size(), 1u);
    EXPECT_EQ(time.waits[0], askedAt + 3ms + 100ms);
}

TEST(PlayingTime, IsTheBytesOverTheByteRate)
{
    const ByteVector second = test::riffImage({test::formatChunk(test::pcmFormat(1, 22050, 16)),
                                               test::dataChunk(44100)});
    EXPECT_EQ(playingTime(*parseWaveImage(second)), 1s);
    const ByteVector tenthOfASecond = test::riffImage(
        {test::formatChunk(test::pcmFormat(1, 11025, 8)), test::dataChunk(1103)});
    EXPECT_EQ(playingTime(*parseWaveImage(tenthOfASecond)), 100'045'351ns);
}

} // namespace
} // namespace twindle

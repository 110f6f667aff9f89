#include "assets/play_sounds.h"
#include "assets/resource_catalogue.h"
#include "wave_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twindle {
namespace {

using namespace test;

struct SoundShape {
    const char* name;
    std::uint32_t fileSize, riffSize, sampleCount, listSize;  // no LIST chunk where its size is 0
};

// The shapes the game's sounds have always had. PARTY's and BIMBLO's files hold two bytes
// after their RIFF image.
constexpr SoundShape kSounds[] = {
    {"LOON", 9848, 9840, 9629, 166},
    {"PARTY", 7056, 7046, 7010, 0},
    {"BIMBLO", 5888, 5878, 5842, 0},
};

TEST(GameSounds, AreEightBitMonoPcmAt11025HzLaidOutAsTheyHaveAlwaysBeen)
{
    for (const SoundShape& sound : kSounds) {
        const QByteArray file = LoadResData(QString::fromLatin1(sound.name), u"WAVE");
        const auto bytes = std::as_bytes(std::span(file.constData(), std::size_t(file.size())));
        ASSERT_EQ(bytes.size(), sound.fileSize) << sound.name;
        // The RIFF header, the fmt chunk and the data chunk's header; after the samples a pad byte
        // when they are odd, then LOON's LIST chunk up to the end of the RIFF image.
        const Bytes header = tag("RIFF") + le(sound.riffSize) + tag("WAVE") + fmt(kMono8) + tag("data")
                             + le(sound.sampleCount);
        const Bytes list = sound.listSize ? tag("LIST") + le(sound.listSize) : Bytes();
        const Bytes tail = Bytes(sound.sampleCount % 2) + list;
        const std::size_t tailAt = header.size() + sound.sampleCount;
        EXPECT_TRUE(std::ranges::equal(bytes.first(header.size()), header)) << sound.name;
        EXPECT_TRUE(std::ranges::equal(bytes.subspan(tailAt, tail.size()), tail)) << sound.name;
        EXPECT_EQ(tailAt + tail.size() + sound.listSize, 8 + sound.riffSize) << sound.name;
    }
}

// 128 is silence; 0 and 255 are where a sound would clip, and a jump from rest would click.
TEST(GameSounds, NeverClipAndStartAndEndAtRest)
{
    for (const SoundShape& sound : kSounds) {
        const QByteArray file = LoadResData(QString::fromLatin1(sound.name), u"WAVE");
        ASSERT_EQ(file.size(), sound.fileSize) << sound.name;
        const auto* start = reinterpret_cast<const std::uint8_t*>(file.constData()) + 44;
        const std::span samples(start, sound.sampleCount);
        const auto [lowest, highest] = std::ranges::minmax(samples);
        EXPECT_TRUE(lowest > 0 && highest < 255) << int(lowest) << ".." << int(highest);
        EXPECT_NEAR(samples.front(), 128, 2) << sound.name;
        EXPECT_NEAR(samples.back(), 128, 2) << sound.name;
    }
}

TEST(LoadResData, HasNothingForOtherNamesOrTypes)
{
    for (const auto& [name, type] : {std::pair{u"LOON", u"WAV"}, {u"LOON", u"RCDATA"}, {u"loon", u"WAVE"},
                                     {u"", u"WAVE"}, {u"LOON.wav", u"WAVE"}, {u"LETTERBACK", u"WAVE"}})
        EXPECT_TRUE(LoadResData(name, type).isEmpty());
}

// Keeps the flags of every call.
struct RecordingDevice final : SoundDevice {
    std::vector<int> flags;
    bool sndPlaySound(std::span<const std::byte>, int given) override
    {
        flags.push_back(given);
        return true;
    }
};

class PlayResSoundTest : public testing::Test {
protected:
    RecordingDevice device;
    void SetUp() override { setSoundDevice(&device); }
    void TearDown() override { setSoundDevice(nullptr); }
};

TEST_F(PlayResSoundTest, LeavesExactlyTheLastSoundInTheBuffer)
{
    PlayResSound(QStringLiteral("LOON"));
    PlayResSound(QStringLiteral("LOON"));
    PlayResSound(QStringLiteral("PARTY"));
    EXPECT_EQ(SoundBuffer().size(), 7056);
    EXPECT_EQ(SoundBuffer(), LoadResData(u"PARTY", u"WAVE"));
}

TEST_F(PlayResSoundTest, AlwaysAddsTheMemoryFlagAndGivesSixForNone)
{
    for (const std::optional<int> flags : {std::optional(16), std::optional<int>(), std::optional(6),
                                           std::optional(20)})
        PlayResSound(QStringLiteral("BIMBLO"), flags);
    EXPECT_EQ(device.flags, (std::vector{20, 6, 6, 20}));
}

} // namespace
} // namespace twindle

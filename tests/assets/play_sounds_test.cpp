#include "assets/play_sounds.h"

#include "assets/resource_catalogue.h"
#include "toolkit/sound_device.h"

#include <gtest/gtest.h>

#include <vector>

namespace twindle {
namespace {

// Keeps every call it gets.
class RecordingSoundDevice final : public SoundDevice {
public:
    struct Call {
        QByteArray image;
        int flags;
    };
    std::vector<Call> calls;

    bool sndPlaySound(std::span<const std::byte> image, int flags) override
    {
        calls.push_back({QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), flags});
        return true;
    }
};

class PlayResSoundTest : public testing::Test {
protected:
    RecordingSoundDevice device;

    void SetUp() override { setSoundDevice(&device); }
    void TearDown() override { setSoundDevice(nullptr); }
};

const QByteArray& loon()
{
    static const QByteArray bytes = LoadResData(u"LOON", u"WAVE");
    return bytes;
}

const QByteArray& party()
{
    static const QByteArray bytes = LoadResData(u"PARTY", u"WAVE");
    return bytes;
}

TEST_F(PlayResSoundTest, TheBufferHoldsExactlyTheLastSound)
{
    PlayResSound(QStringLiteral("LOON"));
    PlayResSound(QStringLiteral("LOON"));
    EXPECT_EQ(SoundBuffer().size(), 9848);
    EXPECT_EQ(SoundBuffer(), loon());

    PlayResSound(QStringLiteral("PARTY"));
    EXPECT_EQ(SoundBuffer().size(), 7056) << "nothing of LOON's longer image is left";
    EXPECT_EQ(SoundBuffer(), party());

    PlayResSound(QStringLiteral("BIMBLO"));
    EXPECT_EQ(SoundBuffer().size(), 5888);
    EXPECT_EQ(SoundBuffer(), LoadResData(u"BIMBLO", u"WAVE"));
}

TEST_F(PlayResSoundTest, TheDevicePlaysTheBuffer)
{
    PlayResSound(QStringLiteral("PARTY"), 16);
    ASSERT_EQ(device.calls.size(), 1u);
    EXPECT_EQ(device.calls[0].image, party());
    EXPECT_EQ(device.calls[0].image, SoundBuffer());
}

TEST_F(PlayResSoundTest, AnUnknownSoundEmptiesTheBufferAndPlaysNothing)
{
    PlayResSound(QStringLiteral("LOON"));
    PlayResSound(QStringLiteral("HOOTER"));
    EXPECT_TRUE(SoundBuffer().isEmpty());
    ASSERT_EQ(device.calls.size(), 2u);
    EXPECT_TRUE(device.calls[1].image.isEmpty());
}

struct FlagCase {
    std::optional<int> given;
    int played;
};

void PrintTo(const FlagCase& flags, std::ostream* out)
{
    if (flags.given)
        *out << *flags.given;
    else
        *out << "no flags";
    *out << " -> " << flags.played;
}

class PlayResSoundFlags : public PlayResSoundTest, public testing::WithParamInterface<FlagCase> {};

TEST_P(PlayResSoundFlags, ReachTheDeviceWithMemoryAlwaysSet)
{
    PlayResSound(QStringLiteral("BIMBLO"), GetParam().given);
    ASSERT_EQ(device.calls.size(), 1u);
    EXPECT_EQ(device.calls[0].flags, GetParam().played);
}

INSTANTIATE_TEST_SUITE_P(Flags, PlayResSoundFlags,
                         testing::Values(FlagCase{std::nullopt, 6}, FlagCase{6, 6},
                                         FlagCase{16, 20}, FlagCase{20, 20}, FlagCase{0, 4},
                                         FlagCase{1, 5}, FlagCase{17, 21}));

TEST(SetSoundDevice, NullGoesBackToTheSystemDevice)
{
    RecordingSoundDevice device;
    setSoundDevice(&device);
    PlayResSound(QStringLiteral("LOON"));
    setSoundDevice(nullptr);
    PlayResSound(QStringLiteral("LOON"));  // no application object: the system device is silent
    EXPECT_EQ(device.calls.size(), 1u);
    EXPECT_EQ(SoundBuffer(), loon()) << "the buffer is filled whatever the device";
}

} // namespace
} // namespace twindle

#include "assets/resource_catalogue.h"
#include "toolkit/wave_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace twindle {
namespace {

// The shapes the game's sounds have always had.
struct SoundShape {
    std::string name;
    qsizetype fileSize;
    std::uint32_t riffSize;
    std::uint32_t sampleCount;
    std::uint32_t listSize;  // the LIST chunk's size field; 0 for no LIST chunk
    qsizetype bytesAfterRiff;
};

void PrintTo(const SoundShape& shape, std::ostream* out)
{
    *out << shape.name;
}

const SoundShape kShapes[] = {
    {"LOON", 9848, 9840, 9629, 166, 0},
    {"PARTY", 7056, 7046, 7010, 0, 2},
    {"BIMBLO", 5888, 5878, 5842, 0, 2},
};

constexpr qsizetype kDataOffset = 44;  // RIFF header, fmt chunk, data chunk header

std::uint32_t readU32(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

std::uint16_t readU16(const QByteArray& bytes, qsizetype at)
{
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

std::string tagAt(const QByteArray& bytes, qsizetype at)
{
    return bytes.mid(at, 4).toStdString();
}

class SoundImage : public testing::TestWithParam<SoundShape> {
protected:
    QByteArray bytes = LoadResData(QString::fromStdString(GetParam().name), u"WAVE");

    std::span<const std::uint8_t> samples() const
    {
        return {reinterpret_cast<const std::uint8_t*>(bytes.constData()) + kDataOffset,
                GetParam().sampleCount};
    }
};

TEST_P(SoundImage, HasItsSizeAndRiffHeader)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    EXPECT_EQ(tagAt(bytes, 0), "RIFF");
    EXPECT_EQ(readU32(bytes, 4), GetParam().riffSize);
    EXPECT_EQ(tagAt(bytes, 8), "WAVE");
    EXPECT_EQ(bytes.size() - (8 + qsizetype(GetParam().riffSize)), GetParam().bytesAfterRiff);
}

TEST_P(SoundImage, IsEightBitMonoPcmAt11025Hz)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    EXPECT_EQ(tagAt(bytes, 12), "fmt ");
    EXPECT_EQ(readU32(bytes, 16), 16u);
    EXPECT_EQ(readU16(bytes, 20), 1u) << "PCM";
    EXPECT_EQ(readU16(bytes, 22), 1u) << "channels";
    EXPECT_EQ(readU32(bytes, 24), 11025u) << "sample rate";
    EXPECT_EQ(readU32(bytes, 28), 11025u) << "byte rate";
    EXPECT_EQ(readU16(bytes, 32), 1u) << "block align";
    EXPECT_EQ(readU16(bytes, 34), 8u) << "bits per sample";
    EXPECT_EQ(tagAt(bytes, 36), "data");
    EXPECT_EQ(readU32(bytes, 40), GetParam().sampleCount);
}

TEST_P(SoundImage, EndsWithItsListChunkOrNothing)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    const std::uint32_t count = GetParam().sampleCount;
    const qsizetype afterData = kDataOffset + count + count % 2;
    if (count % 2 != 0) {
        EXPECT_EQ(bytes[kDataOffset + count], 0) << "pad byte";
    }
    if (GetParam().listSize == 0) {
        EXPECT_EQ(afterData, 8 + qsizetype(GetParam().riffSize)) << "nothing after the data";
        return;
    }
    ASSERT_EQ(tagAt(bytes, afterData), "LIST");
    EXPECT_EQ(readU32(bytes, afterData + 4), GetParam().listSize);
    EXPECT_EQ(tagAt(bytes, afterData + 8), "INFO");
    const qsizetype listEnd = afterData + 8 + GetParam().listSize;
    EXPECT_EQ(listEnd, bytes.size()) << "the file ends with the LIST chunk";

    // Its texts are well-formed chunks that fill it exactly.
    std::vector<std::string> tags;
    qsizetype at = afterData + 12;
    while (at + 8 <= listEnd) {
        const std::uint32_t size = readU32(bytes, at + 4);
        tags.push_back(tagAt(bytes, at));
        EXPECT_EQ(bytes[at + 8 + size - 1], 0) << tags.back() << " ends in a NUL";
        at += 8 + size + size % 2;
    }
    EXPECT_EQ(at, listEnd);
    EXPECT_NE(std::ranges::find(tags, "INAM"), tags.end());
    EXPECT_NE(std::ranges::find(tags, "ISFT"), tags.end());
}

TEST_P(SoundImage, IsAcceptedByTheParser)
{
    const auto wave = parseWaveImage(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, (WaveFormat{1, 11025, 11025, 1, 8}));
    EXPECT_EQ(wave->samples.size(), GetParam().sampleCount);
}

// A toddler's sound: no clipping, and a moderate level.
TEST_P(SoundImage, StaysWellInsideFullScale)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    const auto [lowest, highest] = std::ranges::minmax(samples());
    EXPECT_GE(lowest, 8);
    EXPECT_LE(highest, 247);
    const int peak = std::max(128 - lowest, highest - 128);
    EXPECT_GE(peak, 40) << "loud enough to hear";
    EXPECT_LE(peak, 100) << "not blaring";
}

TEST_P(SoundImage, StartsAndEndsInSilenceWithoutAClick)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    const auto all = samples();
    EXPECT_NEAR(all.front(), 128, 2);
    EXPECT_NEAR(all.back(), 128, 2);
    // The first and last millisecond only begin to rise from silence.
    constexpr std::size_t kMillisecond = 11;
    for (std::size_t i = 0; i < kMillisecond; ++i) {
        EXPECT_NEAR(all[i], 128, 8) << "sample " << i;
        EXPECT_NEAR(all[all.size() - 1 - i], 128, 8) << "sample " << all.size() - 1 - i;
    }
}

TEST_P(SoundImage, HasNoOffsetFromSilence)
{
    ASSERT_EQ(bytes.size(), GetParam().fileSize);
    double sum = 0;
    double squares = 0;
    for (const std::uint8_t sample : samples()) {
        sum += sample - 128;
        squares += (sample - 128) * (sample - 128);
    }
    const double count = double(GetParam().sampleCount);
    EXPECT_NEAR(sum / count, 0, 1.0);
    EXPECT_GE(std::sqrt(squares / count), 10) << "it is a sound, not near-silence";
}

INSTANTIATE_TEST_SUITE_P(PairSounds, SoundImage, testing::ValuesIn(kShapes),
                         [](const testing::TestParamInfo<SoundShape>& info) { return info.param.name; });

TEST(LoadResData, HasNothingForOtherNamesOrTypes)
{
    EXPECT_FALSE(LoadResData(u"LOON", u"WAVE").isEmpty());
    EXPECT_TRUE(LoadResData(u"LOON", u"WAV").isEmpty());
    EXPECT_TRUE(LoadResData(u"LOON", u"RCDATA").isEmpty());
    EXPECT_TRUE(LoadResData(u"LOON", u"").isEmpty());
    EXPECT_TRUE(LoadResData(u"loon", u"WAVE").isEmpty());
    EXPECT_TRUE(LoadResData(u"", u"WAVE").isEmpty());
    EXPECT_TRUE(LoadResData(u"LOON.wav", u"WAVE").isEmpty());
    EXPECT_TRUE(LoadResData(u"../sounds/LOON", u"WAVE").isEmpty());
    EXPECT_TRUE(LoadResData(u"LETTERBACK", u"WAVE").isEmpty());
}

TEST(LoadResData, GivesEachSoundItsOwnBytes)
{
    const QByteArray loon = LoadResData(u"LOON", u"WAVE");
    const QByteArray party = LoadResData(u"PARTY", u"WAVE");
    const QByteArray bimblo = LoadResData(u"BIMBLO", u"WAVE");
    EXPECT_NE(loon.mid(44, 5000), party.mid(44, 5000));
    EXPECT_NE(party.mid(44, 5000), bimblo.mid(44, 5000));
    EXPECT_EQ(LoadResData(u"LOON", u"WAVE"), loon) << "the same every time";
}

} // namespace
} // namespace twindle

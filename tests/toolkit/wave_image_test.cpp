#include "toolkit/wave_image.h"

#include "wave_image_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twindle {
namespace {

using test::ByteVector;
using test::dataChunk;
using test::formatChunk;
using test::listChunk;
using test::pcmFormat;
using test::putLittleEndian32;
using test::riffImage;
using test::TestChunk;

const WaveFormat kMono8 = pcmFormat(1, 11025, 8);

// The samples of the result point into `image`: keep it alive while looking at them.
std::optional<WaveImage> parse(const ByteVector& image)
{
    return parseWaveImage(image);
}

bool samplesAre(const WaveImage& wave, const ByteVector& expected)
{
    return std::ranges::equal(wave.samples, expected);
}

TEST(WaveImage, ReadsTheFormatAndSamplesOfAPlainImage)
{
    const ByteVector image = riffImage({formatChunk(kMono8), dataChunk(100)});
    const auto wave = parse(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, kMono8);
    EXPECT_EQ(wave->format.byteRate, 11025u);
    EXPECT_EQ(wave->format.blockAlign, 1u);
    EXPECT_TRUE(samplesAre(*wave, dataChunk(100).body));
    EXPECT_EQ(wave->samples.data(), image.data() + 44) << "the samples point into the image";
}

TEST(WaveImage, ReadsSixteenBitStereo)
{
    const WaveFormat stereo16 = pcmFormat(2, 44100, 16);
    const auto wave = parse(riffImage({formatChunk(stereo16), dataChunk(400)}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, stereo16);
    EXPECT_EQ(wave->format.byteRate, 176400u);
    EXPECT_EQ(wave->format.blockAlign, 4u);
}

TEST(WaveImage, TakesTheChunksInAnyOrder)
{
    const ByteVector image = riffImage({listChunk(), dataChunk(9), formatChunk(kMono8)});
    const auto wave = parse(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, kMono8);
    EXPECT_TRUE(samplesAre(*wave, dataChunk(9).body));
}

TEST(WaveImage, StepsOverThePadByteOfAnOddSizedChunk)
{
    // The odd data chunk is followed by a pad byte and then the fmt chunk; without the pad
    // the fmt chunk would be read one byte early and not be found.
    const auto wave = parse(riffImage({dataChunk(9629), formatChunk(kMono8)}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 9629u);
}

TEST(WaveImage, AcceptsAMissingPadByteAtTheVeryEnd)
{
    ByteVector image = riffImage({formatChunk(kMono8), dataChunk(7)});
    image.pop_back();
    putLittleEndian32(image, 4, std::uint32_t(image.size() - 8));
    const auto wave = parse(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 7u);
}

TEST(WaveImage, SkipsUnknownChunks)
{
    const ByteVector image = riffImage(
        {formatChunk(kMono8), {"junk", ByteVector(13, std::byte{'d'})}, dataChunk(4), listChunk()});
    const auto wave = parse(image);
    ASSERT_TRUE(wave);
    EXPECT_TRUE(samplesAre(*wave, dataChunk(4).body));
}

TEST(WaveImage, IgnoresBytesAfterTheRiffImage)
{
    const auto wave = parse(riffImage({formatChunk(kMono8), dataChunk(10)}, 2));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 10u);
}

TEST(WaveImage, AcceptsAnExtendedFormatChunkOfPcm)
{
    EXPECT_TRUE(parse(riffImage({formatChunk(kMono8, 1, 2), dataChunk(10)})));
}

TEST(WaveImage, AcceptsEmptySampleData)
{
    const auto wave = parse(riffImage({formatChunk(kMono8), dataChunk(0)}));
    ASSERT_TRUE(wave);
    EXPECT_TRUE(wave->samples.empty());
}

TEST(WaveImage, RefusesWhatIsNotRiffWave)
{
    EXPECT_FALSE(parse({}));
    ByteVector image = riffImage({formatChunk(kMono8), dataChunk(10)});
    ByteVector notRiff = image;
    notRiff[0] = std::byte{'r'};
    EXPECT_FALSE(parse(notRiff));
    ByteVector notWave = image;
    notWave[8] = std::byte{'A'};
    EXPECT_FALSE(parse(notWave));
    EXPECT_FALSE(parse(ByteVector(image.begin(), image.begin() + 11)));
}

TEST(WaveImage, RefusesARiffSizeTooSmallForWave)
{
    ByteVector image = riffImage({formatChunk(kMono8), dataChunk(10)});
    putLittleEndian32(image, 4, 3);
    EXPECT_FALSE(parse(image));
}

TEST(WaveImage, RefusesAChunkThatReachesPastTheRiffImageIntoTrailingBytes)
{
    // The buffer holds the bytes, but they lie outside the RIFF image.
    ByteVector image = riffImage({formatChunk(kMono8), dataChunk(10)}, 8);
    const std::size_t dataSizeField = 12 + 24 + 4;
    putLittleEndian32(image, dataSizeField, 12);
    EXPECT_FALSE(parse(image));
}

TEST(WaveImage, RefusesATruncatedChunkHeader)
{
    ByteVector image = riffImage({formatChunk(kMono8), dataChunk(10)});
    test::appendTag(image, "LIS");
    putLittleEndian32(image, 4, std::uint32_t(image.size() - 8));
    EXPECT_FALSE(parse(image));
}

TEST(WaveImage, RefusesFormatsOtherThanPcm)
{
    EXPECT_FALSE(parse(riffImage({formatChunk(kMono8, 3), dataChunk(10)})));       // float
    EXPECT_FALSE(parse(riffImage({formatChunk(kMono8, 0xFFFE), dataChunk(10)})));  // extensible
}

TEST(WaveImage, RefusesZeroChannelsRateOrBlockAlign)
{
    WaveFormat noChannels = kMono8;
    noChannels.channels = 0;
    EXPECT_FALSE(parse(riffImage({formatChunk(noChannels), dataChunk(10)})));
    WaveFormat noRate = kMono8;
    noRate.sampleRate = 0;
    noRate.byteRate = 0;
    EXPECT_FALSE(parse(riffImage({formatChunk(noRate), dataChunk(10)})));
    WaveFormat noBlockAlign = kMono8;
    noBlockAlign.blockAlign = 0;
    EXPECT_FALSE(parse(riffImage({formatChunk(noBlockAlign), dataChunk(10)})));
}

TEST(WaveImage, RefusesSampleSizesOtherThanEightOrSixteenBits)
{
    for (const std::uint16_t bits : {0, 4, 12, 24, 32}) {
        WaveFormat format = pcmFormat(1, 8000, 8);
        format.bitsPerSample = bits;
        EXPECT_FALSE(parse(riffImage({formatChunk(format), dataChunk(10)}))) << bits;
    }
}

TEST(WaveImage, RefusesABlockAlignOrByteRateAtOddsWithTheFormat)
{
    WaveFormat wrongAlign = pcmFormat(2, 8000, 16);
    wrongAlign.blockAlign = 2;
    EXPECT_FALSE(parse(riffImage({formatChunk(wrongAlign), dataChunk(10)})));
    WaveFormat wrongRate = pcmFormat(1, 8000, 8);
    wrongRate.byteRate = 8001;
    EXPECT_FALSE(parse(riffImage({formatChunk(wrongRate), dataChunk(10)})));
}

TEST(WaveImage, RefusesAShortFormatChunk)
{
    TestChunk shortFormat = formatChunk(kMono8);
    shortFormat.body.resize(14);
    EXPECT_FALSE(parse(riffImage({shortFormat, dataChunk(10)})));
}

TEST(WaveImage, RefusesTwoFormatOrTwoDataChunks)
{
    EXPECT_FALSE(parse(riffImage({formatChunk(kMono8), formatChunk(kMono8), dataChunk(4)})));
    EXPECT_FALSE(parse(riffImage({formatChunk(kMono8), dataChunk(4), dataChunk(4)})));
}

} // namespace
} // namespace twindle

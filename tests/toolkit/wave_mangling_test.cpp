// The WAVE parser takes images from memory and must stay inside them whatever they hold. These
// tests mangle good images in many ways, with a fixed seed so that a failure repeats, and parse
// each from a heap block of exactly its size, so that AddressSanitizer reports a read past the
// end. An image the parser accepts must still be sound.

#include "toolkit/wave_image.h"

#include "wave_image_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

namespace twindle {
namespace {

using test::ByteVector;
using test::ExactBuffer;
using test::TestChunk;
using test::putLittleEndian32;

constexpr std::uint32_t kSeed = 20240611;

struct GoodImage {
    std::string name;
    std::vector<TestChunk> chunks;
    std::size_t trailing;
};

std::vector<GoodImage> goodImages()
{
    using namespace test;
    return {
        {"mono 8 bits, odd data, LIST after",
         {formatChunk(pcmFormat(1, 11025, 8)), dataChunk(963), listChunk()}, 0},
        {"mono 8 bits, two trailing bytes", {formatChunk(pcmFormat(1, 11025, 8)), dataChunk(700)}, 2},
        {"stereo 16 bits, LIST and junk first",
         {listChunk(), {"junk", ByteVector(5, std::byte{'j'})}, formatChunk(pcmFormat(2, 22050, 16), 1, 2),
          dataChunk(512)},
         3},
    };
}

// Where the size fields and sample bytes of a well-formed image lie.
struct Layout {
    std::size_t riffEnd = 0;
    std::vector<std::size_t> chunkSizeFields;
    std::size_t samplesStart = 0;
    std::size_t samplesEnd = 0;
};

Layout layoutOf(const ByteVector& image)
{
    Layout layout;
    layout.riffEnd = 8 + (std::size_t(image[4]) | std::size_t(image[5]) << 8
                          | std::size_t(image[6]) << 16 | std::size_t(image[7]) << 24);
    std::size_t at = 12;
    while (at + 8 <= layout.riffEnd) {
        const std::size_t size = std::size_t(image[at + 4]) | std::size_t(image[at + 5]) << 8
                                 | std::size_t(image[at + 6]) << 16 | std::size_t(image[at + 7]) << 24;
        layout.chunkSizeFields.push_back(at + 4);
        if (std::equal(image.begin() + std::ptrdiff_t(at), image.begin() + std::ptrdiff_t(at + 4),
                       ByteVector{std::byte{'d'}, std::byte{'a'}, std::byte{'t'}, std::byte{'a'}}.begin())) {
            layout.samplesStart = at + 8;
            layout.samplesEnd = at + 8 + size;
        }
        at += 8 + size + size % 2;
    }
    return layout;
}

bool isSoundFormat(const WaveFormat& format)
{
    return format.channels > 0 && format.sampleRate > 0
           && (format.bitsPerSample == 8 || format.bitsPerSample == 16)
           && format.blockAlign == format.channels * format.bitsPerSample / 8
           && std::uint64_t(format.sampleRate) * format.blockAlign == format.byteRate;
}

// What the parser found: the format, where the samples lie in the image, and a copy of them.
struct Found {
    WaveFormat format;
    std::size_t samplesOffset;
    ByteVector samples;
};

// Parses the bytes from an exactly sized block; when accepted, checks that the result is sound
// and copies the samples out of the block, so that a span reaching outside it cannot go
// unnoticed.
std::optional<Found> parseChecked(const ByteVector& bytes)
{
    const ExactBuffer buffer(bytes);
    const std::span<const std::byte> image = buffer.bytes();
    const std::optional<WaveImage> wave = parseWaveImage(image);
    if (!wave)
        return std::nullopt;

    EXPECT_TRUE(isSoundFormat(wave->format));
    const bool inside = wave->samples.data() >= image.data()
                        && wave->samples.data() + wave->samples.size() <= image.data() + image.size();
    EXPECT_TRUE(inside);
    if (!inside)
        return std::nullopt;
    return Found{wave->format, std::size_t(wave->samples.data() - image.data()),
                 ByteVector(wave->samples.begin(), wave->samples.end())};
}

// Same format, and the same sample bytes at the same place.
void expectSameWave(const ByteVector& mangled, const ByteVector& good, const std::string& what)
{
    const auto expected = parseChecked(good);
    const auto found = parseChecked(mangled);
    ASSERT_TRUE(expected && found) << what;
    EXPECT_EQ(found->format, expected->format) << what;
    EXPECT_EQ(found->samplesOffset, expected->samplesOffset) << what;
    EXPECT_EQ(found->samples, expected->samples) << what;
}

void PrintTo(const GoodImage& image, std::ostream* out)
{
    *out << image.name;
}

class MangledWave : public testing::TestWithParam<GoodImage> {
protected:
    ByteVector good() const { return test::riffImage(GetParam().chunks, GetParam().trailing); }
};

TEST_P(MangledWave, EveryTruncationIntoTheRiffImageIsRefused)
{
    const ByteVector image = good();
    const Layout layout = layoutOf(image);
    for (std::size_t length = 0; length <= image.size(); ++length) {
        const ByteVector truncated(image.begin(), image.begin() + std::ptrdiff_t(length));
        if (length < layout.riffEnd) {
            ASSERT_FALSE(parseChecked(truncated)) << "truncated to " << length;
        } else {
            expectSameWave(truncated, image, "cut only trailing bytes");
        }
    }
}

TEST_P(MangledWave, FlippedBytesNeverLeadOutsideTheImage)
{
    const ByteVector image = good();
    const Layout layout = layoutOf(image);
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<std::size_t> position(0, image.size() - 1);
    std::uniform_int_distribution<int> flipBits(1, 255);
    std::uniform_int_distribution<int> flipCount(1, 4);
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        ByteVector mangled = image;
        for (int flip = flipCount(random); flip > 0; --flip)
            mangled[position(random)] ^= std::byte(flipBits(random));
        (parseChecked(mangled) ? accepted : refused)++;
        if (HasFailure())
            FAIL() << "round " << round;
    }
    // Both outcomes must occur, or the rounds tested only one path of the parser.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);

    // A flip inside the samples changes nothing else.
    for (std::size_t at = layout.samplesStart; at < layout.samplesEnd; at += 7) {
        ByteVector mangled = image;
        mangled[at] ^= std::byte{0x5A};
        const auto found = parseChecked(mangled);
        ASSERT_TRUE(found) << "flip at " << at;
        EXPECT_EQ(found->samplesOffset, layout.samplesStart);
        EXPECT_EQ(found->samples.size(), layout.samplesEnd - layout.samplesStart);
    }
}

TEST_P(MangledWave, SizeFieldsThatLieAreRefused)
{
    const ByteVector image = good();
    const Layout layout = layoutOf(image);
    const std::uint32_t length = std::uint32_t(image.size());
    const std::vector<std::uint32_t> extremes = {
        0, 1, 2, 3, 4, 7, 8, 9, length - 9, length - 8, length - 7, length, length + 1,
        0x7FFF'FFFF, 0x8000'0000, 0xFFFF'FFF0, 0xFFFF'FFF4, 0xFFFF'FFF7, 0xFFFF'FFF8,
        0xFFFF'FFFE, 0xFFFF'FFFF};

    for (const std::uint32_t value : extremes) {
        ByteVector mangled = image;
        putLittleEndian32(mangled, 4, value);
        const auto wave = parseChecked(mangled);
        if (value > image.size() - 8 || value < 4) {
            EXPECT_FALSE(wave) << "RIFF size " << value;
        }
    }
    for (const std::size_t field : layout.chunkSizeFields) {
        for (const std::uint32_t value : extremes) {
            ByteVector mangled = image;
            putLittleEndian32(mangled, field, value);
            const auto wave = parseChecked(mangled);
            if (value > layout.riffEnd - (field + 4)) {
                EXPECT_FALSE(wave) << "chunk size at " << field << " set to " << value;
            }
        }
    }
}

TEST_P(MangledWave, ShuffledChunksGiveTheSameSound)
{
    std::vector<TestChunk> chunks = GetParam().chunks;
    const ByteVector image = good();
    std::vector<std::size_t> order(chunks.size());
    std::iota(order.begin(), order.end(), 0);
    int orders = 0;
    do {
        std::vector<TestChunk> shuffled;
        for (const std::size_t i : order)
            shuffled.push_back(chunks[i]);
        const ByteVector mangled = test::riffImage(shuffled, GetParam().trailing);
        const auto expected = parseChecked(image);
        const auto found = parseChecked(mangled);
        ASSERT_TRUE(expected && found) << "order " << orders;
        EXPECT_EQ(found->format, expected->format);
        EXPECT_EQ(found->samples, expected->samples);
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_GE(orders, 2);
}

TEST_P(MangledWave, DroppingTheFormatOrTheDataIsRefused)
{
    const std::vector<TestChunk>& chunks = GetParam().chunks;
    for (std::size_t dropped = 0; dropped < chunks.size(); ++dropped) {
        std::vector<TestChunk> remaining = chunks;
        remaining.erase(remaining.begin() + std::ptrdiff_t(dropped));
        const bool essential = chunks[dropped].tag == "fmt " || chunks[dropped].tag == "data";
        EXPECT_EQ(bool(parseChecked(test::riffImage(remaining, GetParam().trailing))), !essential)
            << "without " << chunks[dropped].tag;
    }
}

TEST_P(MangledWave, AnyMixOfDamageStaysInside)
{
    const ByteVector image = good();
    const Layout layout = layoutOf(image);
    std::mt19937 random(kSeed + 1);
    std::uniform_int_distribution<std::size_t> position(0, image.size() - 1);
    std::uniform_int_distribution<std::uint32_t> anySize;
    std::uniform_int_distribution<int> damage(0, 3);
    std::bernoulli_distribution coin(0.5);
    for (int round = 0; round < 20000; ++round) {
        ByteVector mangled = image;
        if (coin(random)) {
            const std::size_t field = coin(random) ? 4 : layout.chunkSizeFields[position(random) % layout.chunkSizeFields.size()];
            putLittleEndian32(mangled, field, coin(random) ? anySize(random) : anySize(random) % 4096);
        }
        for (int flip = damage(random); flip > 0; --flip)
            mangled[position(random)] = std::byte(anySize(random));
        if (coin(random))
            mangled.resize(position(random));
        if (coin(random) && mangled.size() > 12) {
            // Chunks moved about without their sizes: the bytes after the header rotated.
            const std::size_t middle = 12 + position(random) % (mangled.size() - 12);
            std::rotate(mangled.begin() + 12, mangled.begin() + std::ptrdiff_t(middle), mangled.end());
        }
        parseChecked(mangled);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(GoodImages, MangledWave, testing::ValuesIn(goodImages()),
                         [](const testing::TestParamInfo<GoodImage>& info) {
                             return "Image" + std::to_string(info.index);
                         });

} // namespace
} // namespace twindle

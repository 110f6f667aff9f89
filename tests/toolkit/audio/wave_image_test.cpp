// The parser takes images from memory and must stay inside them whatever they hold. Damage
// beyond these copies of well-formed images is the business of fuzz/wave_image_fuzzer.cpp.

#include "wave_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace twindle {
namespace {

using namespace test;

const WaveFormat kStereo16{2, 22050, 88200, 4, 16};
const Bytes kList = chunk("LIST", Bytes(13, std::byte{'i'}));  // odd-sized, so padded

struct WellFormed {
    const char* name;
    WaveFormat format;
    std::size_t sampleCount, trailing;
    Bytes image;
    std::vector<std::size_t> sizeFields;  // where the RIFF size and each chunk's size lie
};

const WellFormed kWellFormed[] = {
    {"odd data, LIST after", kMono8, 9629, 0, riff(fmt(kMono8) + data(9629) + kList), {4, 16, 40, 9678}},
    {"LIST first, bytes after", kMono8, 700, 2, riff(kList + fmt(kMono8) + data(700), 2), {4, 16, 38, 62}},
    {"16 bits, data first", kStereo16, 400, 0, riff(data(400) + fmt(kStereo16)), {4, 16, 424}},
};

// Parses from a heap block of exactly the image's size, so that AddressSanitizer reports a read
// even one byte past its end; whatever is accepted must lie inside the block.
bool parsesInside(std::span<const std::byte> image)
{
    const auto block = std::make_unique<std::byte[]>(image.size());
    std::ranges::copy(image, block.get());
    const auto wave = parseWaveImage({block.get(), image.size()});
    const auto start = reinterpret_cast<std::uintptr_t>(block.get());
    const auto found = reinterpret_cast<std::uintptr_t>(wave ? wave->samples.data() : block.get());
    EXPECT_TRUE(found >= start && found + (wave ? wave->samples.size() : 0) <= start + image.size());
    return bool(wave);
}

TEST(WaveImage, ReadsTheFormatAndSamplesOfWellFormedImages)
{
    for (const WellFormed& good : kWellFormed) {
        const auto wave = parseWaveImage(good.image);
        ASSERT_TRUE(wave) << good.name;
        EXPECT_EQ(wave->format, good.format) << good.name;
        EXPECT_TRUE(std::ranges::equal(wave->samples, Bytes(good.sampleCount, std::byte{0x80}))) << good.name;
    }
}

TEST(WaveImage, RefusesImagesThatAreNotPlayablePcm)
{
    const std::pair<const char*, Bytes> refused[] = {
        {"float samples", riff(fmt(kMono8, 3) + data(10))},
        {"extensible format", riff(fmt(kMono8, 0xFFFE) + data(10))},
        {"no fmt", riff(data(10))},
        {"no data", riff(fmt(kMono8))},
        {"no channels", riff(fmt({0, 11025, 0, 0, 8}) + data(10))},
        {"no sample rate", riff(fmt({1, 0, 0, 1, 8}) + data(10))},
        {"block align 0", riff(fmt({1, 11025, 11025, 0, 8}) + data(10))},
        {"block align 2", riff(fmt({1, 11025, 22050, 2, 8}) + data(10))},
        {"byte rate one too many", riff(fmt({1, 11025, 11026, 1, 8}) + data(10))},
        {"12 bits", riff(fmt({1, 11025, 11025, 1, 12}) + data(10))},
        {"32 bits", riff(fmt({1, 11025, 44100, 4, 32}) + data(10))},
    };
    for (const auto& [name, image] : refused)
        EXPECT_FALSE(parseWaveImage(image)) << name;
}

TEST(WaveImage, RefusesEveryTruncationAndEverySizeFieldThatReachesPastItsRoom)
{
    for (const WellFormed& good : kWellFormed) {
        const std::size_t riffEnd = good.image.size() - good.trailing;
        for (std::size_t length = 0; length <= good.image.size(); ++length)
            ASSERT_EQ(parsesInside(std::span(good.image).first(length)), length >= riffEnd)
                << good.name << ", cut to " << length;
        for (const std::size_t field : good.sizeFields) {
            // The RIFF image may fill the buffer; a chunk may fill the rest of the RIFF image.
            const auto room = std::uint32_t((field == 4 ? good.image.size() : riffEnd) - field - 4);
            for (const std::uint32_t lie : {room + 1, room + 2, 0x8000'0000u, 0xFFFF'FFF8u, 0xFFFF'FFFFu}) {
                Bytes image = good.image;
                std::ranges::copy(le(lie), image.begin() + long(field));
                EXPECT_FALSE(parsesInside(image)) << good.name << ": size " << lie << " at " << field;
            }
        }
    }
}

TEST(WaveImage, AcceptsNothingOfRandomlyDamagedImagesThatLiesOutsideThem)
{
    std::mt19937 random(20240611);
    for (const WellFormed& good : kWellFormed) {
        std::uniform_int_distribution<std::size_t> position(0, good.image.size() - 1);
        int accepted = 0;
        for (int round = 0; round < 20000; ++round) {
            Bytes image = good.image;
            if (round % 2 == 0) {  // any size, or a small one, into one of the size fields
                const std::uint32_t size = random();
                const std::size_t field = good.sizeFields[size % good.sizeFields.size()];
                std::ranges::copy(le(round % 4 ? size : size % 4096), image.begin() + long(field));
            }
            for (int change = round % 3; change >= 0; --change)
                image[position(random)] = std::byte(random());
            accepted += parsesInside(std::span(image).first(round % 5 ? image.size() : position(random)));
            ASSERT_FALSE(HasFailure()) << good.name << ", round " << round;
        }
        // Both outcomes are common, or the rounds tried only part of the parser.
        EXPECT_GT(accepted, 1000) << good.name;
        EXPECT_LT(accepted, 19000) << good.name;
    }
}

} // namespace
} // namespace twindle

#include "assets/resource_catalogue.h"
#include "game/card_kinds.h"
#include "toolkit/audio/wave_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twindle {
namespace {

// 8-bit samples rest at 128; 0 and 255 are where a sound would clip, and a jump from rest would
// click. Each pair sound plays for about as long as it always has.
TEST(PairSounds, PlayForTheirLengthWithoutClippingAndStartAndEndAtRest)
{
    for (const auto& [name, milliseconds] : {std::pair{u"LOON", 873}, {u"PARTY", 636}, {u"BIMBLO", 530}}) {
        const QByteArray file = soundResource(name);
        const auto wave = parseWaveImage(std::as_bytes(std::span(file.constData(), std::size_t(file.size()))));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->format.bitsPerSample, 8);
        EXPECT_NEAR(double(wave->samples.size()) * 1000 / wave->format.byteRate, milliseconds, 10);
        const auto* start = reinterpret_cast<const std::uint8_t*>(wave->samples.data());
        const std::span samples(start, wave->samples.size());
        const auto [lowest, highest] = std::ranges::minmax(samples);
        EXPECT_TRUE(lowest > 0 && highest < 255) << int(lowest) << ".." << int(highest);
        EXPECT_NEAR(samples.front(), 128, 2);
        EXPECT_NEAR(samples.back(), 128, 2);
    }
    for (const char16_t* other : {u"loon", u"", u"LOON.wav", u"../sounds/LOON"})
        EXPECT_TRUE(soundResource(other).isEmpty());
}

// Every face of every kind, the second card of each pair's too, says a word the sound call can
// play (a small letter its capital's name); the words' lengths and loudness are measured by
// speech_clips_test.sh.
TEST(SpokenWords, EveryFaceAndTheCheerHaveAWordThatPlays)
{
    const auto plays = [](const QByteArray& file) {
        return parseWaveImage(std::as_bytes(std::span(file.constData(), std::size_t(file.size())))).has_value();
    };
    for (const CardKind& kind : cardKinds()) {
        for (int face = kind.faces.first; face < kind.faces.first + kind.faces.count; ++face) {
            EXPECT_TRUE(plays(spokenWord(kind.word(face)))) << kind.name << " " << face;
            const int twin = face + kind.faces.twinOffset;
            EXPECT_EQ(spokenWord(kind.word(twin)), spokenWord(kind.word(face))) << kind.name << " " << twin;
        }
    }
    EXPECT_NE(spokenWord('A'), spokenWord('B'));
    EXPECT_TRUE(plays(spokenCheer()));
    EXPECT_TRUE(plays(spokenAllDone()));
    for (const int other : {100, 144, 64, 91, int('a'), 3, 0})
        EXPECT_TRUE(spokenWord(other).isEmpty()) << other;
}

} // namespace
} // namespace twindle

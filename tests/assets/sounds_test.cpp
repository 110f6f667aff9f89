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

// In every language the program has a voice for, every face of every kind, the second card of
// each pair's too, says a word the sound call can play (a small letter its capital's name), and
// so do the cheer and "All done!"; the words' lengths and loudness are measured by
// speech_clips_test.sh. A word the program does not have is none, in any language.
TEST(SpokenWords, EveryFaceAndTheCheerHaveAWordThatPlaysInEachVoicedLanguage)
{
    const auto plays = [](const QByteArray& file) {
        return parseWaveImage(std::as_bytes(std::span(file.constData(), std::size_t(file.size())))).has_value();
    };
    EXPECT_EQ(spokenLanguages(), QStringList({QStringLiteral("en"), QStringLiteral("it")}));
    for (const QString& language : spokenLanguages()) {
        const auto word = [&](int name) { return spokenWord(language, QString::number(name)); };
        for (const CardKind& kind : cardKinds()) {
            for (int face = kind.faces.first; kind.word && face < kind.faces.first + kind.faces.count; ++face) {
                EXPECT_TRUE(plays(word(kind.word(face)))) << kind.name << " " << face;
                const int twin = face + kind.faces.twinOffset;
                EXPECT_EQ(word(kind.word(twin)), word(kind.word(face))) << kind.name << " " << twin;
            }
        }
        EXPECT_NE(word('A'), word('B'));
        EXPECT_TRUE(plays(spokenWord(language, kCheerWord)));
        EXPECT_TRUE(plays(spokenWord(language, kAllDoneWord)));
        for (const int other : {100, 144, 64, 91, int('a'), 3, 0})
            EXPECT_TRUE(word(other).isEmpty()) << other;
    }
    EXPECT_TRUE(spokenWord(QStringLiteral("de"), QStringLiteral("65")).isEmpty()) << "no German voice";
    EXPECT_TRUE(spokenWord(QStringLiteral("it/../en"), QStringLiteral("65")).isEmpty());
    EXPECT_TRUE(spokenWord(QStringLiteral("en"), QStringLiteral("../it/65")).isEmpty());
}

} // namespace
} // namespace twindle

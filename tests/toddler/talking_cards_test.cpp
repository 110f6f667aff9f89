#include "toddler_rig.h"
#include "support/log_catcher.h"
#include "support/tone_clip.h"
#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "toolkit/audio/sound_call.h"
#include "toddler/toddler_mode.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

namespace twindle {
namespace {

// A clip's samples, told by their length and a checksum, which a failure can print, and the
// volume it played at.
struct Heard {
    std::size_t length = 0;
    std::size_t checksum = 0;
    float volume = 0;
    friend bool operator==(const Heard&, const Heard&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Heard& heard)
    {
        return out << heard.length << "/" << heard.checksum << " at " << heard.volume;
    }
};

Heard heard(std::span<const std::byte> samples, float volume)
{
    return {samples.size(), qHashBits(samples.data(), samples.size()), volume};
}

Heard said(const QByteArray& wave, float volume)
{
    const auto image = parseWaveImage(std::as_bytes(std::span(wave.constData(), std::size_t(wave.size()))));
    return image ? heard(image->samples, volume) : Heard{};
}

// Whether what was heard is one of the pair sounds, in full at this volume.
bool isAPairSound(const Heard& sound, float volume)
{
    return std::ranges::any_of(std::array{u"LOON", u"PARTY", u"BIMBLO"},
                               [&](const char16_t* name) { return said(soundResource(name), volume) == sound; });
}

// Hears what is played, on a clock that a sound played to its end moves on, so that nothing
// waits for real.
struct Listener final : SoundOutput {
    std::optional<Clock::time_point> start(const WaveFormat&, std::span<const std::byte> samples, float volume) override
    {
        sounds.push_back(heard(samples, volume));
        return now;
    }
    Clock::time_point now;
    std::vector<Heard> sounds;
    SoundCall call{*this, [this] { return now; }, [this](Clock::time_point until) { now = std::max(now, until); }};
};

struct Words {
    std::vector<Heard> heard;
    std::vector<Heard> expected;
};

// Plays a toddler mode game to its end: the words heard and those expected, `expected` giving
// the clip a word should be said with (none: nothing is heard); the pair sounds between them
// are checked on the way.
Words wordsOfAGame(MainWindow& window, const Listener& listener,
                   const std::function<QByteArray(const QString& word)>& expected)
{
    std::vector<Heard> words;
    std::vector<std::size_t> pairSoundsAt;
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        for (const int card : {first, second})
            test::clickCard(window, card);
        // Both cards of a pair say the name of its capital: of the two faces, the lower code.
        const int capital = std::min(window.game().cards()[std::size_t(first)].Face,
                                     window.game().cards()[std::size_t(second)].Face);
        if (const QByteArray clip = expected(QString::number(capital)); !clip.isEmpty())
            words.insert(words.end(), 2, said(clip, 0.4f));
        window.timers().elapse(GameTimer::PairMatch);
        pairSoundsAt.push_back(words.size() + pairSoundsAt.size());
    }
    window.timers().elapse(GameTimer::YouDidIt);
    if (const QByteArray cheer = expected(kCheerWord); !cheer.isEmpty())
        words.push_back(said(cheer, 0.4f));
    std::vector<Heard> heardWords;
    for (std::size_t i = 0; i < listener.sounds.size(); ++i) {
        if (std::ranges::find(pairSoundsAt, i) == pairSoundsAt.end())
            heardWords.push_back(listener.sounds[i]);
        else
            EXPECT_TRUE(isAPairSound(listener.sounds[i], 0.7f)) << "sound " << i << ": " << listener.sounds[i];
    }
    return {heardWords, words};
}

// In toddler mode a card turned up says its word, a small letter its capital's name, at the
// voice's volume; the pair sounds play at the sounds' volume; the celebration starts with a
// cheer. Quiet, nothing is said. Out of toddler mode no card talks and sounds play in full.
TEST(TalkingCards, SayTheirWordsAtTheVoicesVolumeUnlessQuiet)
{
    for (const bool quiet : {false, true}) {
        Listener listener;
        test::ToddlerRig rig(listener.call);
        MainWindow& window = rig.window;
        rig.toddlerMode.setQuiet(quiet);
        window.show();
        test::dealThroughDialog(window, kCapitalAndSmall, 8);
        const auto pairs = test::pairsOnBoard(window);
        test::clickCard(window, pairs[0].first);
        test::clickCard(window, pairs[0].second);
        window.timers().elapse(GameTimer::PairMatch);
        ASSERT_EQ(listener.sounds.size(), 1u) << "the window: one pair sound, no words";
        EXPECT_TRUE(isAPairSound(listener.sounds[0], 1)) << "in full: " << listener.sounds[0];

        listener.sounds.clear();
        rig.toddlerMode.start(ToddlerSetup{.cardType = kCapitalAndSmall, .startPairs = 2, .grows = false,
                                           .voiceVolume = 40, .soundVolume = 70}, 2);
        const Words words = wordsOfAGame(window, listener, [&](const QString& word) {
            return quiet ? QByteArray() : spokenWord(QStringLiteral("en"), word);
        });
        EXPECT_EQ(words.heard, words.expected) << (quiet ? "quiet" : "talking");
    }
}

// In the child's language: Italian in the program's own Italian voice; German, which it has no
// voice for, in the words a parent recorded, and silent where there is none, never in English.
TEST(TalkingCards, SayTheWordsOfTheChildsLanguageOrNothing)
{
    ASSERT_NE(spokenWord(QStringLiteral("it"), QStringLiteral("65")), spokenWord(QStringLiteral("en"), QStringLiteral("65")));
    for (const QString& language : {QStringLiteral("it"), QStringLiteral("de")}) {
        Listener listener;
        test::ToddlerRig rig(listener.call);
        QHash<QString, QByteArray> recorded;  // German: every letter, in a tone of its own; no cheer
        for (int letter = 'A'; language == QStringLiteral("de") && letter <= 'Z'; ++letter) {
            recorded.insert(QString::number(letter), test::toneClip(200 + 20 * (letter - 'A')));
            ASSERT_EQ(rig.words.record(language, QString::number(letter), recorded.value(QString::number(letter))),
                      QString());
        }
        rig.window.show();
        ToddlerSetup setup{.cardType = kSameCapitals, .startPairs = 9, .grows = false, .voiceVolume = 40,
                           .soundVolume = 70};
        setup.wordsLanguage = language;
        rig.toddlerMode.start(setup, 9);
        const Words words = wordsOfAGame(rig.window, listener, [&](const QString& word) {
            return language == QStringLiteral("it") ? spokenWord(language, word) : recorded.value(word);
        });
        EXPECT_EQ(words.heard, words.expected) << language.toStdString();
        EXPECT_FALSE(words.heard.empty()) << language.toStdString();
    }
}

// A recording damaged on the disk since it was made: that word alone is silent, and the log
// names it once when the game starts.
TEST(TalkingCards, ADamagedRecordingIsSilentAndToldOnce)
{
    test::ToddlerRig rig;
    const QString german = QStringLiteral("de");
    for (const char* letter : {"65", "66"})
        ASSERT_EQ(rig.words.record(german, QString::fromLatin1(letter), test::toneClip(440)), QString());
    const QString bee = rig.words.voice(german, QStringLiteral("66"));
    QFile damaged(rig.words.voice(german, QStringLiteral("65")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("RIFF, and then nothing") > 0);
    damaged.close();

    ToddlerSetup setup{.cardType = kSameCapitals, .startPairs = 2, .grows = false};
    setup.wordsLanguage = german;
    const test::LogCatcher log;
    rig.toddlerMode.start(setup, 2);
    const QStringList told = log.lines().filter(QStringLiteral("recorded words"));
    ASSERT_EQ(told.size(), 1) << log.lines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(told.front().contains(QStringLiteral("65"))) << told.front().toStdString();
    const CardKind& capitals = *findCardKind(kSameCapitals);
    QFile recorded(bee);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rig.faces.word(capitals, 'A').isEmpty()) << "silent, not the program's English";
    EXPECT_EQ(rig.faces.word(capitals, 'B'), recorded.readAll());
}

} // namespace
} // namespace twindle

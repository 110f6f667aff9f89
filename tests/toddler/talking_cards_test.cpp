#include "toddler_rig.h"
#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "toolkit/audio/sound_call.h"
#include "toddler/toddler_mode.h"

#include <gtest/gtest.h>

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

QString pairSoundName(Integer matchSound)
{
    return matchSound <= 2 ? QStringLiteral("LOON") : matchSound == 3 ? QStringLiteral("PARTY") : QStringLiteral("BIMBLO");
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

// In toddler mode a card turned up says its word, a small letter its capital's name, at the
// voice's volume; the pair sounds play at the sounds' volume; the celebration starts with a
// cheer. Quiet, nothing is said. Out of toddler mode no card talks and sounds play in full.
TEST(TalkingCards, SayTheirWordsAtTheVoicesVolumeUnlessQuiet)
{
    for (const bool quiet : {false, true}) {
        Listener listener;
        test::ToddlerRig rig(listener.call);
        MainWindow& window = rig.window;
        ToddlerMode& toddlerMode = rig.toddlerMode;
        toddlerMode.setQuiet(quiet);
        window.show();
        test::dealThroughDialog(window, kCapitalAndSmall, 8);
        const auto pairs = test::pairsOnBoard(window);
        test::clickCard(window, pairs[0].first);
        test::clickCard(window, pairs[0].second);
        window.timers().elapse(GameTimer::PairMatch);
        const QString pairSound = pairSoundName(window.game().form().MatchSound);
        std::vector<Heard> expected{said(soundResource(pairSound), 1)};
        ASSERT_EQ(listener.sounds, expected) << "the window: one pair sound in full, no words";

        listener.sounds.clear();
        toddlerMode.start(ToddlerSetup{.cardType = kCapitalAndSmall, .startPairs = 2, .grows = false,
                                       .voiceVolume = 40, .soundVolume = 70}, 2);
        expected.clear();
        for (const auto& [first, second] : test::pairsOnBoard(window)) {
            for (const int card : {first, second}) {
                test::clickCard(window, card);
                const int face = window.game().cards()[std::size_t(card)].Face;
                if (!quiet)
                    expected.push_back(said(spokenWord(face >= 'a' ? face - 32 : face), 0.4f));
            }
            window.timers().elapse(GameTimer::PairMatch);
            expected.push_back(said(soundResource(pairSoundName(window.game().form().MatchSound)), 0.7f));
        }
        window.timers().elapse(GameTimer::YouDidIt);
        if (!quiet)
            expected.push_back(said(spokenCheer(), 0.4f));
        EXPECT_EQ(listener.sounds, expected) << (quiet ? "quiet" : "talking");
    }
}

} // namespace
} // namespace twindle

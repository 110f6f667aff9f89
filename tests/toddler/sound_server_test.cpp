// A found pair's sound through the real sound system, in the real main window: the pair timer's
// handler plays the sound the game picked through Qt Multimedia and returns only when it has
// played to its end (that nothing else runs meanwhile, sound_call_test.cpp shows). In toddler
// mode the cards' words reach the sound server at once. Where no audio output is reachable the
// sounds are silence and return at once.
//
// The test adapts to what it finds; TWINDLE_EXPECT_AUDIO=1 (or 0) makes it insist on an audio
// output (or on none), so that CI can run it once with a private sound server
// (scripts/with-pulseaudio) and once without, and know which path each run took.

#include "server_listener.h"
#include "toddler_rig.h"
#include "window_driver.h"

#include "assets/fonts.h"
#include "assets/resource_catalogue.h"
#include "ui/application_setup.h"
#include "ui/board_view.h"
#include "toddler/toddler_mode.h"
#include "toolkit/audio/wave_image.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace twindle {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// How late the handler may return after the sound's end, and how soon a silent one returns.
constexpr auto kTolerance = 100ms;
// The deal draws one of four values for the game's sound, two of which name LOON: in this many
// deals each sound comes up but for a chance below one in ten million.
constexpr int kMostDeals = 60;

// The pair sounds, each with its length, read from its own samples.
struct PairSound {
    std::string name;
    Clock::duration length;
};

std::vector<PairSound> pairSounds()
{
    std::vector<PairSound> sounds;
    for (const char* name : {"LOON", "PARTY", "BIMBLO"}) {
        const QByteArray bytes = soundResource(QString::fromLatin1(name));
        const auto wave = parseWaveImage(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
        const auto length = std::chrono::duration<double>(double(wave->samples.size()) / wave->format.byteRate);
        sounds.push_back({name, std::chrono::duration_cast<Clock::duration>(length)});
    }
    return sounds;
}

// The sound whose length a handler held the board for; none when it fits none of them.
const PairSound* soundThatTook(const std::vector<PairSound>& sounds, Clock::duration took)
{
    for (const PairSound& sound : sounds) {
        if (took >= sound.length && took < sound.length + kTolerance)
            return &sound;
    }
    return nullptr;
}

// How long the pair timer's handler held the board.
Clock::duration firePairTimer(MainWindow& window)
{
    const Clock::time_point start = Clock::now();
    window.timers().elapse(GameTimer::PairMatch);
    return Clock::now() - start;
}

class PairSoundThroughTheSoundSystem : public testing::Test {
protected:
    void SetUp() override
    {
        m_audible = !QMediaDevices::audioOutputs().isEmpty();
        std::cout << (m_audible ? "an audio output is reachable: the sound plays\n"
                                : "no audio output is reachable: the sound is silence\n");
        const QByteArray expected = qgetenv("TWINDLE_EXPECT_AUDIO");
        if (expected == "1") {
            ASSERT_TRUE(m_audible) << "TWINDLE_EXPECT_AUDIO=1, but no audio output is reachable";
        }
        if (expected == "0") {
            ASSERT_FALSE(m_audible) << "TWINDLE_EXPECT_AUDIO=0, but an audio output is reachable";
        }
    }

    bool m_audible = false;
};

// Deals game after game and finds one pair in each: through a sound server every pair holds the
// handler for the length of one of the three sounds, until each has come up; without one the
// handler returns at once.
TEST_F(PairSoundThroughTheSoundSystem, EachSoundHoldsTheHandlerForItsLength)
{
    CardFaces faces;
    MainWindow window(faces);
    window.show();
    ASSERT_TRUE(window.game().globals().PairSound) << "the pair sound is on from the start";
    const auto& grid = test::gridFor(8);
    const std::vector<PairSound> sounds = pairSounds();

    std::set<std::string> played;
    for (int deal = 0; deal < (m_audible ? kMostDeals : 3) && played.size() < sounds.size(); ++deal) {
        test::dealThroughDialog(window, kPictureCards, 8,
                                deal == 0 ? test::Answer::NoQuestion : test::Answer::Yes);
        const auto pairs = test::pairsOnBoard(window);
        test::clickBoard(window, grid.centreOf(pairs[0].first));
        test::clickBoard(window, grid.centreOf(pairs[0].second));
        ASSERT_TRUE(window.timers().isRunning(GameTimer::PairMatch));
        const Clock::duration took = firePairTimer(window);
        std::cout << "the handler took " << Milliseconds(took).count() << " ms\n";
        if (m_audible) {
            const PairSound* sound = soundThatTook(sounds, took);
            ASSERT_NE(sound, nullptr) << Milliseconds(took).count() << " ms is the length of no sound";
            played.insert(sound->name);
        } else {
            EXPECT_LT(took, kTolerance) << "a silent handler returns at once";
        }
        EXPECT_FALSE(window.game().form().card[std::size_t(pairs[0].first)].Visible)
            << "the found pair has left the board";
    }
    if (m_audible) {
        EXPECT_EQ(played.size(), sounds.size()) << "every sound came up within " << kMostDeals << " deals";
    }
}

// In toddler mode a card says its word as it turns: through the sound server it is heard within
// 150 ms of the click, every time; and the pair's own sound still plays to its end.
TEST_F(PairSoundThroughTheSoundSystem, InToddlerModeATurnedCardIsHeardAtOnceAndThePairSoundInFull)
{
    test::ToddlerRig rig;
    MainWindow& window = rig.window;
    ToddlerMode& toddlerMode = rig.toddlerMode;
    window.show();
    toddlerMode.start(ToddlerSetup{.startPairs = 4, .grows = false}, 4);
    ASSERT_TRUE(toddlerMode.isOn());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.board().width() > 527; })) << "the board takes the screen";
    ServerListener listener;
    if (m_audible) {
        ASSERT_TRUE(listener.isListening()) << "parec (pulseaudio-utils) hears nothing of pacat";
    }
    // A mismatch, then a pair: four words.
    const auto pairs = test::pairsOnBoard(window);
    for (const int slot : {pairs[0].first, pairs[1].first, pairs[0].first, pairs[0].second}) {
        if (m_audible) {
            ASSERT_TRUE(listener.nextSound(true)) << "the server never fell quiet";
        }
        const Clock::time_point click = Clock::now();
        test::clickCard(window, slot);
        ASSERT_NE(window.game().form().card[std::size_t(slot)].Face, kFaceDown) << "turned";
        if (m_audible) {
            const std::optional<Clock::time_point> heard = listener.nextSound();
            ASSERT_TRUE(heard.has_value()) << "the word of card " << slot << " was not heard";
            std::cout << "card " << slot << ": its word heard " << Milliseconds(*heard - click).count()
                      << " ms after the click\n";
            EXPECT_LT(*heard - click, 150ms) << "card " << slot;
        } else {
            EXPECT_LT(Clock::now() - click, kTolerance) << "a silent word returns at once";
        }
        window.timers().elapse(GameTimer::PairNoMatch);
    }
    ASSERT_TRUE(window.timers().isRunning(GameTimer::PairMatch));
    const Clock::duration took = firePairTimer(window);
    std::cout << "the pair sound after the words: the handler took " << Milliseconds(took).count() << " ms\n";
    EXPECT_EQ(soundThatTook(pairSounds(), took) != nullptr, m_audible)
        << "the pair sound played to its end, or not at all";
}

} // namespace
} // namespace twindle

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");

    // The test uses a sound server when one is running, and never starts one of its own
    // (PulseAudio would spawn one for a user who has none running).
    const QTemporaryDir configDir;
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("PULSE_CLIENTCONFIG")) {
        const QString config = configDir.filePath(QStringLiteral("client.conf"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write("autospawn = no\n");
        qputenv("PULSE_CLIENTCONFIG", config.toLocal8Bit());
    }

    twindle::useOnlyBuiltInFonts();
    QApplication application(argc, argv);
    twindle::setUpApplication();
    return RUN_ALL_TESTS();
}

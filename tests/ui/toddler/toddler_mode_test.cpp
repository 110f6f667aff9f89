#include "window_driver.h"

#include "assets/resource_catalogue.h"
#include "ui/board_view.h"
#include "ui/restart_dialog.h"
#include "ui/toddler/parent_gate.h"
#include "ui/toddler/toddler_mode.h"
#include "toolkit/sound_call.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle {
namespace {

TEST(ParentGate, OpensOnlyForItsNumberInDigitsAfterEscapeThenEnter)
{
    EXPECT_EQ(numberInWords(347), "three hundred forty-seven");
    EXPECT_EQ(numberInWords(500), "five hundred");
    EXPECT_EQ(numberInWords(912), "nine hundred twelve");
    EXPECT_EQ(numberInWords(190), "one hundred ninety");
    int next = 347;
    ParentGate gate([&] { return next; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    long long now = 0;
    const auto press = [&](Key key, int digit = 0) { return gate.press(key, digit, now); };
    const auto type = [&](std::initializer_list<int> digits) {
        for (const int digit : digits)
            press(Key::Digit, digit);
        return press(Key::Enter);
    };
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "no Escape before";
    press(Key::Escape);
    EXPECT_EQ(gate.question(), "three hundred forty-seven");
    EXPECT_EQ(type({3, 4, 8}), Step::Closed) << "a wrong number";
    press(Key::Escape);
    press(Key::Digit, 3);
    EXPECT_EQ(press(Key::Other), Step::Closed) << "any other key";
    press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7, 7}), Step::Closed) << "a fourth digit";
    next = 105;
    press(Key::Escape);
    EXPECT_EQ(type({3, 4, 7}), Step::Closed) << "every Escape asks anew";
    press(Key::Escape);
    press(Key::Digit, 1);
    press(Key::Digit, 9);
    press(Key::Backspace);
    EXPECT_EQ(type({0, 5}), Step::Passed);
}

// The question waits 20 s for a grown-up's next key, and every key gives 20 s more.
TEST(ParentGate, WaitsTwentySecondsAfterTheLastKey)
{
    ParentGate gate([] { return 512; });
    using Key = ParentGate::Key;
    using Step = ParentGate::Step;
    gate.press(Key::Escape, 0, 1000);
    EXPECT_EQ(gate.wait(20999), Step::Asking);
    EXPECT_EQ(gate.press(Key::Digit, 5, 20999), Step::Asking);
    EXPECT_EQ(gate.wait(40998), Step::Asking);
    EXPECT_EQ(gate.wait(40999), Step::Closed);
    EXPECT_EQ(gate.press(Key::Enter, 0, 41000), Step::Closed) << "too late for the digit typed";
}

bool aDialogOpensWithin(int milliseconds)
{
    QTest::qWait(milliseconds);
    return QApplication::activeModalWidget() != nullptr;
}

// The number the gate's hint asks for, read back from its words.
int numberAskedFor(MainWindow& window)
{
    const QString hint = window.findChild<QLabel*>(QStringLiteral("parentGateHint"))->text();
    for (int number = 100; number <= 999; ++number) {
        if (hint.contains(QStringLiteral(" ") + QString::fromStdString(numberInWords(number)) + " in digits"))
            return number;
    }
    return 0;
}

TEST(ToddlerMode, EnteredWithNoGameAsksForOneAndClosingTheDialogStaysInTheWindow)
{
    MainWindow window;
    ToddlerMode toddlerMode(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    bool asked = false;
    test::whenModalOpens([&](QWidget& modal) {
        asked = qobject_cast<RestartDialog*>(&modal) != nullptr;
        modal.close();
    });
    QTest::keyClick(&window, Qt::Key_F11);
    QTest::qWait(100);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window's own size again";
}

// Locked: the window refuses to close, its menu and keys are gone, the game deals itself anew
// after a win, and only the number asked for after Escape lets a grown-up out.
TEST(ToddlerMode, HoldsTheChildUntilAGrownUpTypesTheNumber)
{
    MainWindow window;
    ToddlerMode toddlerMode(window);
    window.show();
    test::dealThroughDialog(window, kSameCapitals, 12);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    ASSERT_TRUE(toddlerMode.isOn());
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(window.menuBar()->isVisible());
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    for (const auto key : {Qt::Key_S, Qt::Key_O, Qt::Key_A})
        QTest::keyClick(&window, key, Qt::AltModifier);
    EXPECT_FALSE(aDialogOpensWithin(100)) << "no menu command answers";

    // A win, played on the board as big as the screen: the same game is dealt again.
    for (const auto& [first, second] : test::pairsOnBoard(window)) {
        test::clickCard(window, first);
        test::clickCard(window, second);
        window.timers().elapse(GameTimer::PairMatch);
    }
    for (int tick = 0; tick < 23; ++tick)
        window.timers().elapse(GameTimer::YouDidIt);
    EXPECT_FALSE(aDialogOpensWithin(50));
    EXPECT_EQ(test::pairsOnBoard(window).size(), 6u) << "the same kind and count, dealt again";

    window.setWindowState(Qt::WindowMinimized);
    QTest::qWait(400);
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen) << "back to full screen";
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);

    QTest::keyClick(&window, Qt::Key_Escape);
    const int number = numberAskedFor(window);
    ASSERT_GE(number, 100) << "Escape asks for a number in words";
    QTest::keyClicks(&window, QString::number(number == 999 ? 998 : number + 1));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(toddlerMode.isOn()) << "a wrong number";
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClicks(&window, QString::number(numberAskedFor(window)));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(toddlerMode.isOn());
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_EQ(window.game().globals().CardCount, 12) << "the game goes on in the window";
}

// A clip's samples, told by their length and a checksum, which a failure can print.
using Heard = std::pair<std::size_t, std::size_t>;

Heard fingerprint(std::span<const std::byte> samples)
{
    return {samples.size(), qHashBits(samples.data(), samples.size())};
}

Heard samplesOf(const QByteArray& wave)
{
    const auto image = parseWaveImage(std::as_bytes(std::span(wave.constData(), std::size_t(wave.size()))));
    return image ? fingerprint(image->samples) : Heard{};
}

// Hears what is played: the samples of every sound started, in order.
struct HeardSounds final : SoundOutput {
    std::optional<Clock::time_point> start(const WaveFormat&, std::span<const std::byte> samples) override
    {
        heard.push_back(fingerprint(samples));
        return Clock::now();
    }
    std::vector<std::pair<std::size_t, std::size_t>> heard;
};

// In toddler mode a card turned up says its word, a small letter its capital's name, and the
// celebration starts with a cheer; quiet, nothing is said; out of toddler mode no card talks.
TEST(ToddlerMode, CardsSayTheirWordsUnlessQuiet)
{
    for (const bool quiet : {false, true}) {
        HeardSounds output;
        SoundCall call(output);
        MainWindow window(call);
        ToddlerMode toddlerMode(window);
        toddlerMode.setQuiet(quiet);
        window.show();
        test::setOptionsThroughDialog(window, true, false);  // no pair sound: words alone
        test::dealThroughDialog(window, kCapitalAndSmall, 8);
        const auto pairs = test::pairsOnBoard(window);
        test::clickCard(window, pairs[0].first);
        test::clickCard(window, pairs[1].first);
        window.timers().elapse(GameTimer::PairNoMatch);
        EXPECT_TRUE(output.heard.empty()) << "a card in the window says nothing";
        toddlerMode.enter();
        std::vector<Heard> said;
        for (const auto& [first, second] : pairs) {
            for (const int card : {first, second}) {
                test::clickCard(window, card);
                const int face = window.game().cards()[std::size_t(card)].Face;
                said.push_back(samplesOf(spokenWord(face >= 'a' ? face - 32 : face)));
            }
            window.timers().elapse(GameTimer::PairMatch);
        }
        window.timers().elapse(GameTimer::YouDidIt);
        said.push_back(samplesOf(spokenCheer()));
        EXPECT_EQ(output.heard, quiet ? decltype(said){} : said) << (quiet ? "quiet" : "talking");
    }
}

} // namespace
} // namespace twindle

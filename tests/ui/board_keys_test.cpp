#include "window_driver.h"

#include "game/board_focus.h"
#include "ui/board_view.h"

#include <QAccessible>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace twindle {
namespace {

const QColor kKaki(188, 188, 144);

// Takes the focus to a card as a player watching the ring would: Home, then Right until it is
// there; false if it never got there.
bool focusWithKeys(MainWindow& window, int card)
{
    QTest::keyClick(&window.board(), Qt::Key_Home);
    for (int key = 0; key < kSlotCount && window.board().focus().card() != card; ++key)
        QTest::keyClick(&window.board(), Qt::Key_Right);
    return window.board().focus().card() == card;
}

// The pictures' words as the table of words writes them, read here afresh.
std::map<int, QString> wordsOfTheTable()
{
    QFile table(QStringLiteral(TWINDLE_WORDS_TSV));
    EXPECT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<int, QString> words;
    while (!table.atEnd()) {
        const QStringList columns = QString::fromUtf8(table.readLine()).split(QLatin1Char('\t'));
        if (columns.size() > 2 && columns[0].toInt() > 100)
            words[columns[0].toInt()] = columns[1];
    }
    return words;
}

struct BoardKeys : testing::Test {
    BoardKeys()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    CardFaces faces;
    MainWindow window{faces};
};

// A whole game with the arrows and Space, on every grid.
TEST_F(BoardKeys, TheArrowsAndSpacePlayAWholeGame)
{
    for (const Integer count : {4, 8, 14, 18}) {
        window.deal(kPictureCards, count);
        for (const auto& [first, second] : test::pairsOnBoard(window)) {
            ASSERT_TRUE(focusWithKeys(window, first));
            QTest::keyClick(&window.board(), Qt::Key_Space);
            ASSERT_TRUE(focusWithKeys(window, second));
            QTest::keyClick(&window.board(), Qt::Key_Return);
            window.timers().elapse(GameTimer::PairMatch);
        }
        EXPECT_EQ(window.game().globals().CardsMatched, count);
        EXPECT_TRUE(window.game().form().tmrYouDidIt.Enabled());
    }
}

// The first key shows the ring where the focus is: black outside the card's edge, white over
// it, so that one of them stands out whatever it lies on; the rest of the board is as it was.
// A click turns its card and takes the ring away, and the board is as a mouse player knows it.
TEST_F(BoardKeys, TheRingShowsForKeysAndGoesForThePointer)
{
    window.deal(kPictureCards, 8);
    const QImage dealt = test::boardImage(window);
    QTest::keyClick(&window.board(), Qt::Key_Down);
    const QRect card = test::cardPlace(window, 0);
    const QImage ringed = test::boardImage(window);
    const QPoint middle(card.left(), card.center().y());
    EXPECT_EQ(ringed.pixelColor(middle - QPoint(2, 0)), QColor(Qt::black));
    EXPECT_EQ(ringed.pixelColor(middle + QPoint(1, 0)), QColor(Qt::white));
    EXPECT_EQ(ringed.pixelColor(middle + QPoint(4, 0)), QColor(Qt::black));
    EXPECT_EQ(dealt.pixelColor(middle - QPoint(2, 0)), kKaki);
    EXPECT_EQ(ringed.copy(test::cardPlace(window, 1)), dealt.copy(test::cardPlace(window, 1)));
    EXPECT_EQ(window.board().focus().card(), 0) << "the first key only shows the focus";

    QTest::keyClick(&window.board(), Qt::Key_Down);
    EXPECT_EQ(window.board().focus().card(), 4);
    test::clickCard(window, 6);
    const QImage clicked = test::boardImage(window);
    EXPECT_FALSE(window.board().focus().isShown());
    EXPECT_EQ(window.board().focus().card(), 6);
    EXPECT_EQ(clicked.copy(0, 0, test::cardPlace(window, 6).left() - 8, clicked.height()),
              dealt.copy(0, 0, test::cardPlace(window, 6).left() - 8, clicked.height()));
}

// What a screen reader finds: a button per dealt card, named for its place and what it shows,
// with a press action that turns it; the pair's names once found.
TEST_F(BoardKeys, AScreenReaderFindsEachCardAndTurnsItByItsAction)
{
    const std::map<int, QString> words = wordsOfTheTable();
    window.deal(kPictureCards, 8);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window.board());
    ASSERT_NE(board, nullptr);
    ASSERT_GE(board->childCount(), 8);
    const auto [first, second] = test::pairsOnBoard(window).front();
    const auto card = [&](int slot) { return board->child(slot); };
    const auto name = [&](int slot) { return card(slot)->text(QAccessible::Name); };
    EXPECT_EQ(name(first), QStringLiteral("card %1 of 8, face down").arg(first + 1));
    EXPECT_EQ(card(first)->role(), QAccessible::Button);
    EXPECT_EQ(board->indexOfChild(card(second)), second);
    EXPECT_EQ(card(first)->parent(), board);

    card(first)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    const int face = window.game().cards()[std::size_t(first)].Face;
    EXPECT_EQ(name(first), QStringLiteral("card %1 of 8, %2").arg(first + 1).arg(words.at(face)));
    EXPECT_EQ(window.board().focus().card(), first);
    card(second)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(name(second), QStringLiteral("card %1 of 8, found: %2").arg(second + 1).arg(words.at(face)));
    window.timers().elapse(GameTimer::PairMatch);
    EXPECT_TRUE(card(first)->state().invisible);
    EXPECT_FALSE(card(first)->state().focusable);

    window.deal(kCapitalAndSmall, 4);
    ASSERT_GE(board->childCount(), 4);
    for (int slot = 0; slot < 4; ++slot)
        card(slot)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    for (int slot = 0; slot < 2; ++slot) {
        const int letter = window.game().cards()[std::size_t(slot)].Face;
        const QString expected = letter < 'a' ? QStringLiteral("capital ") + QChar(letter)
                                              : QStringLiteral("small ") + QChar(letter);
        EXPECT_TRUE(name(slot).endsWith(expected)) << name(slot).toStdString();
    }
    for (const GameTimer pause : {GameTimer::PairMatch, GameTimer::PairNoMatch}) {
        if (window.timers().isRunning(pause))
            window.timers().elapse(pause);  // the try ends, and the busy pointer with it
    }
}

} // namespace
} // namespace twindle

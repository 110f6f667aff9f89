#include "window_driver.h"

#include "game/invariant_check.h"
#include "toolkit/core/random_source.h"
#include "game/board_grid.h"
#include "ui/board_changes.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace twindle {
namespace {

struct NoEffects : BoardEffects {
    void playSound(std::string_view, int) override {}
    void celebrationEnded() override {}
};

const QColor kKaki(188, 188, 144);

// The painted card around a point: from it, as far as the board's colour in each direction.
QRect paintedCardAround(const QImage& board, QPoint inside)
{
    QRect card(inside, inside);
    while (card.left() > 0 && board.pixelColor(card.left() - 1, inside.y()) != kKaki)
        card.setLeft(card.left() - 1);
    while (card.right() + 1 < board.width() && board.pixelColor(card.right() + 1, inside.y()) != kKaki)
        card.setRight(card.right() + 1);
    while (card.top() > 0 && board.pixelColor(inside.x(), card.top() - 1) != kKaki)
        card.setTop(card.top() - 1);
    while (card.bottom() + 1 < board.height() && board.pixelColor(inside.x(), card.bottom() + 1) != kKaki)
        card.setBottom(card.bottom() + 1);
    return card;
}

class Scales : public testing::TestWithParam<QSize> {};

// Where a card is painted, there and nowhere else a click turns it: at its centre, its edges and
// its corners, but not a pixel beyond its edges, at the board's own size, scaled by 1.5 and 2,
// and filling the screens of 1366 x 768, 1920 x 1080 and a tablet held upright, 768 x 1024.
TEST_P(Scales, AClickOnEveryPaintedPixelOfACardAndNoOtherTurnsThatCard)
{
    const QSize size = GetParam();
    std::uint64_t clock = 0;
    ClockMixedRandom random([&] { return ++clock; });
    NoEffects effects;
    Game game(random, effects);
    game.Form_Load();
    CardFaces faces;
    BoardView board(game, faces);
    board.resize(size);
    QSignalSpy clicks(&board, &BoardView::cardClicked);
    // The test's own idea of the scale and the margins, to know roughly where to look.
    const double scale = std::min(size.width() / 527.0, size.height() / 351.0);
    const QPointF margin((size.width() - 527 * scale) / 2, (size.height() - 351 * scale) / 2);
    for (const int count : {4, 6, 8, 10, 12, 18}) {
        game.dealGame(kPictureCards, Integer(count));
        const QImage painted = board.grab().toImage();
        const test::GridInPixels& grid = test::gridFor(count);
        for (int slot = 0; slot < count; ++slot) {
            const QPoint centre = (margin + QPointF(grid.centreOf(slot)) * scale).toPoint();
            const QRect card = paintedCardAround(painted, centre);
            EXPECT_NEAR(card.width(), grid.card.width() * scale, 1.5) << count << " cards, slot " << slot;
            EXPECT_NEAR(card.height(), grid.card.height() * scale, 1.5) << count << " cards, slot " << slot;
            if (scale == 1) {  // at the board's own size, to the pixel where the cards always stood
                EXPECT_EQ(card, QRect(grid.cornerOf(slot) - QPoint(4, 4), QSize(int(grid.card.width()), int(grid.card.height()))));
            }
            const QPoint mid = card.center();
            for (const QPoint on : {mid, card.topLeft(), card.bottomRight(), QPoint(card.left(), mid.y()),
                                    QPoint(card.right(), mid.y()), QPoint(mid.x(), card.top()),
                                    QPoint(mid.x(), card.bottom())}) {
                clicks.clear();
                QTest::mouseClick(&board, Qt::LeftButton, {}, on);
                ASSERT_EQ(clicks.size(), 1) << size.width() << "x" << size.height() << ", " << count
                                            << " cards, slot " << slot << " at " << on.x() << "," << on.y();
                EXPECT_EQ(clicks.front().front().toInt(), slot);
            }
            for (const QPoint off : {QPoint(card.left() - 1, mid.y()), QPoint(card.right() + 1, mid.y()),
                                     QPoint(mid.x(), card.top() - 1), QPoint(mid.x(), card.bottom() + 1)}) {
                clicks.clear();
                QTest::mouseClick(&board, Qt::LeftButton, {}, off);
                EXPECT_TRUE(clicks.empty()) << count << " cards, beside slot " << slot;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BoardSizes, Scales,
                         testing::Values(QSize(527, 351), QSize(791, 527), QSize(1054, 702),
                                         QSize(1366, 768), QSize(1920, 1080), QSize(768, 1024)));

// Only what an event changed is painted again: a turned card is its place, a pair found and
// framed the places of its cards and frames, a deal or a colour of the celebration all of the
// board's area.
TEST(BoardChanges, AreThePlacesOfWhatChanged)
{
    std::uint64_t clock = 0;
    ClockMixedRandom random([&] { return ++clock; });
    NoEffects effects;
    Game game(random, effects);
    game.Form_Load();
    // The board inside margins, as toddler mode lays it out for several players.
    const QRect area(267, 27, 1386, 1026);
    const BoardGeometry board(area);
    BoardChanges changes;
    changes.since(game, area);
    game.setOptions(false, false);
    game.dealGame(kPictureCards, 8);
    BoardChanges::Change change = changes.since(game, area);
    EXPECT_TRUE(change.dealt);
    EXPECT_EQ(change.region, QRegion(area)) << "a new game: all of it";
    const auto placeOf = [&](int slot) {
        const CardSlot& card = game.cards()[std::size_t(slot)];
        return board.toPixels(card.Left, card.Top, kCardWidth, kCardHeight);
    };
    const auto pairs = test::pairsOf(game);
    game.card_Click(Integer(pairs[0].first));
    change = changes.since(game, area);
    EXPECT_EQ(change.region, QRegion(placeOf(pairs[0].first)));
    EXPECT_FALSE(change.dealt);
    game.card_Click(Integer(pairs[0].second));
    changes.since(game, area);
    game.fireTimer(GameTimer::PairMatch);
    change = changes.since(game, area);
    for (const int slot : {pairs[0].first, pairs[0].second}) {
        const Frame& frame = game.form().ShapeDone[std::size_t(slot)];
        // With the edge that antialiasing draws past its place.
        const QRect framed = board.toPixels(frame.Left, frame.Top, kFrameWidth, kFrameHeight).adjusted(-1, -1, 1, 1);
        EXPECT_TRUE(QRegion(framed).united(placeOf(slot)).subtracted(change.region).isEmpty()) << "card " << slot;
    }
    EXPECT_FALSE(change.region.intersects(placeOf(pairs[1].first))) << "a card that did not change";
    EXPECT_TRUE(changes.since(game, area).region.isEmpty()) << "nothing changed since";
}

} // namespace
} // namespace twindle

#include "window_driver.h"

#include "game/board_grid.h"
#include "game/invariant_check.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/options_dialog.h"
#include "ui/restart_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace twindle::test {

namespace {
constexpr int kModalPollMs = 5;
constexpr int kModalFallbackMs = 5000;

void closeEveryModal()
{
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}
} // namespace

void whenModalOpens(std::function<void(QWidget& modal)> action)
{
    auto* poll = new QTimer;
    auto* fallback = new QTimer;
    fallback->setSingleShot(true);
    QObject::connect(fallback, &QTimer::timeout, [poll, fallback] {
        ADD_FAILURE() << "a modal window did not open, or was left open";
        poll->deleteLater();
        fallback->deleteLater();
        closeEveryModal();
    });
    QObject::connect(poll, &QTimer::timeout, [poll, fallback, action = std::move(action)] {
        // Act once the window has opened and taken the keyboard focus, as a player would.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        action(*modal);
        fallback->stop();
        fallback->deleteLater();
    });
    poll->start(kModalPollMs);
    fallback->start(kModalFallbackMs);
}

QPoint GridInPixels::centreOf(int slot) const
{
    const int columns = int(lefts.size());
    return {lefts[std::size_t(slot % columns)] + int(card.width()) / 2,
            tops[std::size_t(slot / columns)] + int(card.height()) / 2};
}

QPoint GridInPixels::cornerOf(int slot) const
{
    const int columns = int(lefts.size());
    return {lefts[std::size_t(slot % columns)] + 4, tops[std::size_t(slot / columns)] + 4};
}

// The grids' twips divided by 15; two and three pairs have larger cards.
const GridInPixels& gridFor(int cardCount)
{
    static const QSizeF large(1786 / 15.0, 2426 / 15.0);
    static const GridInPixels four{{139, 268}, {9, 180}, large};
    static const GridInPixels six{{75, 203, 332}, {9, 180}, large};
    static const GridInPixels eight{{75, 178, 280, 382}, {57, 185}};
    static const GridInPixels ten{{30, 127, 224, 321, 418}, {51, 185}};
    static const GridInPixels twelve{{72, 169, 265, 362}, {9, 123, 237}};
    static const GridInPixels eighteen{{7, 93, 179, 265, 351, 437}, {9, 123, 237}};
    switch (cardCount) {
    case 4: return four;
    case 6: return six;
    case 8: return eight;
    case 10: return ten;
    case 12: return twelve;
    default: return eighteen;
    }
}

QImage boardImage(MainWindow& window)
{
    return window.board().grab().toImage();
}

QColor pixelAt(MainWindow& window, QPoint point)
{
    return boardImage(window).pixelColor(point);
}

void clickBoard(MainWindow& window, QPoint point)
{
    QTest::mouseClick(&window.board(), Qt::LeftButton, Qt::NoModifier, point);
}

QRect cardPlace(MainWindow& window, int slot)
{
    const CardSlot& card = window.game().cards()[std::size_t(slot)];
    const Size size = BoardGrid(window.game().globals().CardCount).card;
    return BoardGeometry(window.board().contentsRect()).toPixels(card.Left, card.Top, size.width, size.height);
}

void clickCard(MainWindow& window, int slot)
{
    clickBoard(window, cardPlace(window, slot).center());
}

void dealThroughDialog(MainWindow& window, int kind, int count, Answer answer)
{
    whenModalOpens([kind, count, answer](QWidget& modal) {
        auto* dialog = qobject_cast<RestartDialog*>(&modal);
        ASSERT_NE(dialog, nullptr) << "the new game dialog should open";
        QTest::mouseClick(dialog->kindButton(kind), Qt::LeftButton);
        if (answer != Answer::NoQuestion) {
            whenModalOpens([answer](QWidget& question) {
                auto* box = qobject_cast<QMessageBox*>(&question);
                ASSERT_NE(box, nullptr) << "the question should come";
                QTest::mouseClick(box->button(answer == Answer::Yes ? QMessageBox::Yes
                                                                    : QMessageBox::No),
                                  Qt::LeftButton);
            });
        }
        QTest::mouseClick(dialog->countButton(count), Qt::LeftButton);
    });
    window.findChild<QAction*>(QStringLiteral("startItem"))->trigger();
}

void setOptionsThroughDialog(MainWindow& window, bool cardsDisappear, bool pairSound)
{
    whenModalOpens([&](QWidget& modal) {
        auto* dialog = qobject_cast<OptionsDialog*>(&modal);
        ASSERT_NE(dialog, nullptr) << "the options dialog should open";
        for (const auto& [box, wanted] : {std::pair{dialog->checkBox(0), cardsDisappear},
                                          std::pair{dialog->checkBox(1), pairSound}}) {
            if (box->isEnabled() && box->isChecked() != wanted)
                QTest::mouseClick(box, Qt::LeftButton);
        }
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    window.findChild<QAction*>(QStringLiteral("optionsItem"))->trigger();
}

std::vector<std::pair<int, int>> pairsOnBoard(const MainWindow& window)
{
    return pairsOf(window.game());
}

std::vector<std::pair<int, int>> pairsOf(const Game& game)
{
    const auto tagOf = [&](int i) { return game.cards()[std::size_t(i)].Tag; };
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < game.globals().CardCount; ++i) {
        for (int j = i + 1; j < game.globals().CardCount; ++j) {
            if (tagOf(i) != "3" && areTwins(game.globals().CardType, tagOf(i), tagOf(j)))
                pairs.emplace_back(i, j);
        }
    }
    return pairs;
}

void openFromMenu(MainWindow& window, const char* item)
{
    window.findChild<QAction*>(QLatin1String(item))->trigger();
}

void findEveryPair(MainWindow& window)
{
    const int count = window.game().globals().CardCount;
    for (const auto& [first, second] : pairsOnBoard(window)) {
        clickBoard(window, gridFor(count).centreOf(first));
        clickBoard(window, gridFor(count).centreOf(second));
        window.timers().elapse(GameTimer::PairMatch);
    }
}

} // namespace twindle::test

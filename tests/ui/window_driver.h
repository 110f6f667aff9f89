#pragma once

#include "ui/card_faces.h"
#include "ui/main_window.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <vector>

namespace twindle::test {

// Runs `action` on the next modal window that opens, from inside that window's own event loop.
// Arm it before the step that opens the window. Should the window not come, or the action leave
// it open, every modal window is closed after a few seconds so that a failing test cannot hang.
void whenModalOpens(std::function<void(QWidget& modal)> action);

// The places of the cards on the board, in pixels, from the board's layout tables.
struct GridInPixels {
    std::vector<int> lefts;
    std::vector<int> tops;
    QSizeF card{81, 110};  // exactly, in pixels of the board at its own size
    QPoint centreOf(int slot) const;
    QPoint cornerOf(int slot) const;  // a few pixels inside the top-left corner
};
const GridInPixels& gridFor(int cardCount);

// The board as the player sees it.
QImage boardImage(MainWindow& window);
QColor pixelAt(MainWindow& window, QPoint point);

// A press and release of the left button on the board.
void clickBoard(MainWindow& window, QPoint point);

// Where the board paints a card of the game now, at any scale.
QRect cardPlace(MainWindow& window, int slot);

// A click on the middle of a card of the game where the board paints it now, at any scale.
void clickCard(MainWindow& window, int slot);

// How the player answers "Start new Game?"; NoQuestion when the question must not come.
enum class Answer { NoQuestion, Yes, No };

// Opens the new game dialog from the menu and chooses a kind and a count in it.
void dealThroughDialog(MainWindow& window, int kind, int count,
                       Answer answer = Answer::NoQuestion);

// Opens the options dialog from the menu and sets the options there; a box that is greyed out
// stays as it is.
void setOptionsThroughDialog(MainWindow& window, bool cardsDisappear, bool pairSound);

// Chooses a menu item by its object name: "aboutItem", "optionsItem" or "startItem".
void openFromMenu(MainWindow& window, const char* item);

// Finds every pair of the game on the board at its own size, each at the first try, clicking
// where the tests' own grid table says the cards stand, and lets each pair resolve.
void findEveryPair(MainWindow& window);

// The pairs of the dealt game, as a player with perfect memory knows them.
std::vector<std::pair<int, int>> pairsOnBoard(const MainWindow& window);
std::vector<std::pair<int, int>> pairsOf(const Game& game);

} // namespace twindle::test

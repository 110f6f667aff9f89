#pragma once

#include <QCoreApplication>
#include <QString>

class QAccessibleInterface;
class QObject;

namespace twindle {

class BoardView;

// What a screen reader (Orca, through AT-SPI) finds on the board, whose cards are painted: the
// board, and in it each dealt card as an object of its own, a button named after its place and
// what it shows ("card 3 of 8, face down", "card 3 of 8, cat and bird", "card 3 of 8, found:
// cat and bird"), focused while the keyboard's focus is on it, with a press action that turns it
// as a click does. A card that turns, a pair found and the moving focus are announced as they
// happen, so that a child who does not see the cards hears them.

// Qt's factory of accessible objects, which makes the board's; installed once, at start.
QAccessibleInterface* boardAccessibleFactory(const QString& className, QObject* object);

// After the board was brought up to date with the game: the cards whose names changed, and a
// new deal, are told to a screen reader listening.
void announceChanges(BoardView& board);

// The focused card is told to a screen reader listening, while the board has the keyboard.
void announceFocus(BoardView& board);

// A dealt card's name as a screen reader says it.
struct CardNames {
    Q_DECLARE_TR_FUNCTIONS(CardNames)

public:
    static QString of(BoardView& board, int slot);
};

} // namespace twindle

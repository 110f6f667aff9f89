#pragma once

#include <QString>

class QWidget;

namespace twindle {

// Window services the game's windows rely on.

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget& window);

// Shows a modal message box with the buttons Yes and No, Yes the default, and no icon. True
// when Yes is chosen; closing the box without choosing counts as No.
bool askYesNo(const QString& title, const QString& prompt, QWidget* parent = nullptr);

} // namespace twindle

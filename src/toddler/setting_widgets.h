#pragma once

#include "toddler/toddler_setup.h"

class QWidget;

namespace twindle {

// The setup screen's widget of a choice carries the key of the choice's row (kSettingRows) as
// its object name, so that the setup is shown and read back the same way whatever the choices:
// a spin box or a slider shows a number, a combo box the item that carries the value as its
// data, a check box yes or no, a line edit a text, any other widget with a user property (as Qt's
// QDataWidgetMapper uses it) that property, and a group of radio buttons the button that carries
// the value in its "setting" property (a kind of cards, by its CardType).

// Shows each choice of `setup` that has a widget under `screen`.
void showSetup(QWidget& screen, const ToddlerSetup& setup);

// The choices as the widgets under `screen` show them; a choice without a widget keeps its value
// in `setup`.
ToddlerSetup setupShown(const QWidget& screen, ToddlerSetup setup);

} // namespace twindle

#pragma once

#include <QString>

namespace twindle {

// The key a switch sends, as the settings file and the setup screen name it: "Space", "Return",
// "F5", "A". Escape is no switch's: it is the grown-ups' way out. Neither is a modifier alone,
// nor a key the keyboard layout does not name.

// The Qt::Key of a switch's key name; 0 when it names none a switch may send.
int switchKeyCode(const QString& name);

// The name of a key a switch may send; empty when it may not.
QString switchKeyName(int key);

inline bool isSwitchKeyName(const QString& name)
{
    return switchKeyCode(name) != 0;
}

} // namespace twindle

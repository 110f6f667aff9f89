#pragma once

class QWindow;

namespace twindle {

// Holds the keyboard and the pointer for one window, so that the keys of the window manager and
// the desktop (Super, Alt+Tab, Super+D, the workspace keys, Alt+F4) reach the program instead,
// and the pointer stays on the window. Events for the program's own windows, such as a dialog
// over it, still go to them. Only an X11 display lets a program do this: elsewhere, Wayland
// among them, where the compositor keeps its keys to itself, it does nothing and says so.
//
// True when both are held. Holding again what is held already is harmless; a window that is not
// on the screen yet, or another program's hold, makes it fail until it is tried again.
bool holdKeyboardAndPointer(QWindow& window);
void releaseKeyboardAndPointer();

} // namespace twindle

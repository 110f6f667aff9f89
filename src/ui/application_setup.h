#pragma once

namespace twindle {

// What every run of the windows shares, the game's and the tests': the program's name and
// version as the desktop sees them, one look on every desktop (the style and the program's own
// fonts), no cache of the style's pictures, and the board as a screen reader sees it. Call
// after the application object is made, and call useOnlyBuiltInFonts() (assets/fonts.h) before it.
void setUpApplication();

// The program's name and version alone, for a run that opens no window.
void setUpIdentity();

} // namespace twindle

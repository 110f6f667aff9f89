#pragma once

class QWidget;

namespace twindle {

// On the setup screen, a kind of cards that needs the voice (card_kinds.h) cannot start without
// it: while one is chosen and the voice is off, a line under the kinds says so, and Start waits.
// Finds the kinds, the voice and Start by their names on `screen`.
void watchVoiceNeeded(QWidget& screen);

} // namespace twindle

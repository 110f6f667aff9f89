#pragma once

namespace twindle {

class Game;

// Whether the board holds a game that is not finished: some card of the current kind is
// still in play. Cards of the other kind left from an earlier game do not count, nor do
// found pairs that stay framed on the board.
bool isGameInProgress(const Game& game);

} // namespace twindle

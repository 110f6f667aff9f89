#pragma once

#include <string>

namespace twindle {

// What the game does beyond its own records. The main window carries these out; tests
// stand in for them.
class BoardEffects {
public:
    virtual ~BoardEffects() = default;

    // Plays the named sound resource with the sound call's flags, and returns when it has
    // played to its end.
    virtual void PlayResSound(const std::string& name, int flags) = 0;

    // Opens the new game dialog modal, and returns when it has closed.
    virtual void showNewGameDialog() = 0;
};

} // namespace twindle

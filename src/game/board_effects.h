#pragma once

#include <string_view>

namespace twindle {

// What the game does beyond its own records. The main window carries these out; tests
// stand in for them.
class BoardEffects {
public:
    virtual ~BoardEffects() = default;

    // Plays the named sound ("LOON", "PARTY" or "BIMBLO") as the flags of toolkit/sound_flags.h
    // say; without kSoundAsync it returns when the sound has played to its end.
    virtual void playSound(std::string_view name, int flags) = 0;

    // Opens the new game dialog modal, and returns when it has closed.
    virtual void showNewGameDialog() = 0;

    // In toddler mode the cards talk: a card turned face up says its word, a picture's subject by
    // the picture's id or a letter's name by its capital's character code, and the celebration
    // starts with a cheer. Words are said in passing: these return at once, and the next sound
    // cuts them short.
    virtual void sayWord(int word) = 0;
    virtual void sayCheer() = 0;
};

} // namespace twindle

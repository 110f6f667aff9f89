#pragma once

#include "family/family_deck.h"
#include "family/word_recordings.h"
#include "toddler/toddler_mode.h"
#include "toolkit/audio/audio_module.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"

#include <QTemporaryDir>

namespace twindle::test {

// Toddler mode over a main window as the program makes them, with a folder of its own for the
// family's cards, the recorded words and the settings, and play time on a simulated clock that
// moves only when told.
struct ToddlerRig {
    explicit ToddlerRig(SoundCall& sound = systemSound()) : window(faces, sound) {}

    QTemporaryDir folder;
    family::FamilyDeck deck{folder.filePath(QStringLiteral("family"))};
    family::WordRecordings words{folder.filePath(QStringLiteral("words"))};
    CardFaces faces{&deck, &words};
    ToddlerSettings settings{folder.filePath(QStringLiteral("twindle.ini"))};
    long long now = 0;  // play time, in milliseconds
    MainWindow window;
    ToddlerMode toddlerMode{window, deck, settings, [this] { return now; }};
};

} // namespace twindle::test

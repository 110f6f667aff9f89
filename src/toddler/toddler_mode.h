#pragma once

#include "toddler/gate_overlay.h"
#include "toddler/play_plan.h"
#include "toddler/switch_play.h"
#include "toddler/toddler_lock.h"
#include "toddler/toddler_settings.h"
#include "toolkit/core/steady_clock.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace twindle {

class AllDoneScreen;
class MainWindow;
class PlayTogether;

namespace family {
class FamilyDeck;
}

// Toddler mode, a layer over the main window (F11, or --toddler at start): a parent sets it up,
// then the board fills the screen, the cards talk, the game deals itself anew from win to win
// and grows with the child (play_plan.h), and the window is locked (toddler_lock.h) until a
// grown-up passes the gate; when the play time is up, a calm "All done!" stays on the screen
// until then. The window knows nothing of it: this listens to what the game reports and uses the
// window's own verbs.
class ToddlerMode final : public QObject {
    Q_OBJECT

public:
    // Over `window`, whose faces show the family's cards from `deck`; the parent's choices are
    // kept in `settings`, and play time is measured by `clock`.
    ToddlerMode(MainWindow& window, family::FamilyDeck& deck, ToddlerSettings& settings, MillisecondClock clock);
    ~ToddlerMode() override;

    // The parent's setup screen first, in the window; closing it stays there.
    void enter();
    // Straight in, with this setup, and `pairs` to begin with; without, the child begins where it
    // got to with the kind, or at the setup's start if that is more.
    void start(const ToddlerSetup& setup, std::optional<int> pairs = std::nullopt);
    void leave();
    bool isOn() const { return m_plan.has_value(); }

    // Quiet: the cards say nothing, whatever the setup says. The pair sound keeps its own option.
    void setQuiet(bool quiet) { m_quiet = quiet; }
    // The cards' words in this language for this run, in place of the setup's, until a parent
    // chooses another on the setup screen.
    void setWordsLanguage(std::optional<QString> language) { m_wordsLanguage = std::move(language); }

    ToddlerSettings& settings() { return m_settings; }
    // The parent gate, through which tests hold its spot without waiting.
    GateOverlay& gate() { return m_gate; }

    // The family's cards, read afresh and shown on the board from now on; the pairs they allow.
    int reloadFamilyCards();

private:
    void editFamilyCards(class SetupScreen& screen);
    void useLanguages(const ToddlerSetup& before, const ToddlerSetup& chosen);
    void onCardTurnedUp(int slot, int face);
    void say(const QByteArray& word);
    void dealNext();
    void afterWin();
    void startTurns(int level);
    long long now() const;

    MainWindow& m_window;
    family::FamilyDeck& m_familyDeck;
    ToddlerSettings& m_settings;
    GateOverlay m_gate;
    ToddlerLock m_lock;
    ToddlerSetup m_setup;
    std::optional<PlayPlan> m_plan;
    QPointer<AllDoneScreen> m_allDone;
    QPointer<PlayTogether> m_together;  // when several take turns
    MillisecondClock m_clock;
    SwitchPlay m_switchPlay;
    bool m_quiet = false;
    std::optional<QString> m_wordsLanguage;
};

} // namespace twindle

#pragma once

#include "assets/named_colours.h"
#include "game/game_types.h"

#include <array>
#include <string>
#include <vector>

namespace twindle {

// The records below hold everything the main window shows and the game reads back: each
// slot's tag, visibility, place and face, the timers, the board's colours and pointer. The
// window paints from them and keeps nothing of its own. Only the game writes them.

// A card slot of either array: its tag, whether it is on the board, where it stands, and the
// face it shows. How a face looks, up or down, is its kind's (card_kinds.h): the card back or a
// picture, "?" on prettyblue or a letter on dove.
struct CardSlot {
    std::string Tag;
    bool Visible = false;
    int Left = 0;
    int Top = 0;
    int Face = kFaceDown;
};

using CardSlots = std::array<CardSlot, kSlotCount>;

// The light-yellow frame around a found pair that stays on the board.
struct Frame {
    bool Visible = false;
    int Left = 0;
    int Top = 0;
};

struct TextLabel {
    std::string Caption;
    bool Visible = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A timer as the window's timers behave: while enabled it fires every Interval ms.
class TimerRecord {
public:
    explicit TimerRecord(int interval = 0) : m_interval(interval) {}

    bool Enabled() const { return m_enabled; }
    int Interval() const { return m_interval; }

    // Counts the times the timer was started (switched on, or given a new interval while
    // on); whatever drives the timer restarts its count of the interval at each.
    unsigned starts() const { return m_starts; }

    void setEnabled(bool enabled)
    {
        if (enabled && !m_enabled)
            ++m_starts;
        m_enabled = enabled;
    }

    void setInterval(int interval)
    {
        if (m_enabled && interval != m_interval)
            ++m_starts;
        m_interval = interval;
    }

private:
    bool m_enabled = false;
    int m_interval;
    unsigned m_starts = 0;
};

enum class GameTimer { PairMatch, PairNoMatch, YouDidIt };

// The program-wide variables: the options, the kind of cards and the current try.
struct GlobalVars {
    bool CardsDisappear = false;
    bool PairSound = false;
    Integer CardType = 0;
    Integer FirstCard = 0;
    Integer SecondCard = 0;
    Integer CardsMatched = 0;
    Integer CardCount = 0;
};

// The main window: its own properties and variables, its controls and its timers. Before the
// first deal every slot is hidden, so where it stands and what it shows then are never seen.
struct MainForm {
    Colour BackColor = 0;
    Colour ForeColor = 0;
    Integer MousePointer = kDefaultPointer;
    int Width = 8025;  // the outer width: the client area and a four-pixel frame on each side

    Integer PairFirst = 0;
    Integer PairSecond = 0;
    Integer MatchSound = 0;
    Integer YouDidItTicks = 0;
    std::vector<std::string> CelebrationColors;

    CardSlots card;     // picture cards
    CardSlots capCard;  // letter cards
    std::array<Frame, kSlotCount> ShapeDone;
    TextLabel capYouDidIt{.Caption = "You Did It!", .Top = 1485, .Height = 1365};

    TimerRecord tmrPairMatch;  // its pause is set at every deal
    TimerRecord tmrPairNoMatch{kMismatchPause};
    TimerRecord tmrYouDidIt{kCelebrationTick};

    TimerRecord& timer(GameTimer which);
    const TimerRecord& timer(GameTimer which) const;
};

// The screen-wide pointer: busy (11) while a try is being judged.
struct ScreenRecord {
    Integer MousePointer = kDefaultPointer;
};

} // namespace twindle

#include "game_events.h"

#include "invariant_check.h"

#include "game/game.h"
#include "game/tag_text.h"
#include "toolkit/core/random_source.h"

#include <algorithm>
#include <array>
#include <vector>

namespace twindle::test {
namespace {

constexpr std::array<const char*, kEventKinds> kEventNames{
    "click", "click twice", "remembering click", "timer", "deal",
    "pair sound option", "cards disappear option", "deal again"};

// Mostly the board's own slots; the last few byte values stand for indices off the board.
Integer anyIndex(std::uint8_t operand)
{
    constexpr std::array<Integer, 8> kOffTheBoard{-1, 18, 19, 255, kNoCardTurned, -300, -32768, 32767};
    constexpr int kOnTheBoard = 256 - int(kOffTheBoard.size());
    if (operand < kOnTheBoard)
        return Integer(operand % kSlotCount);
    return kOffTheBoard[std::size_t(operand - kOnTheBoard)];
}

GameTimer anyTimer(std::uint8_t operand)
{
    constexpr std::array kTimers{GameTimer::PairMatch, GameTimer::PairNoMatch, GameTimer::YouDidIt};
    return kTimers[operand % kTimers.size()];
}

class Session final : private BoardEffects {
public:
    Session(EventSource& input, RandomStart start)
        : m_input(input)
        , m_clockReading(start.firstReading)
        , m_clockStep(start.step)
        , m_random([this] { return m_clockReading += m_clockStep; }, start.seed)
    {
    }

    GameEventsRun play()
    {
        m_game.Form_Load();
        check("start-up");
        while (!m_input.atEnd() && !m_run.broken) {
            const auto event = EventKind(m_input.opcode() % kEventKinds);
            run(event);
            ++m_run.events;
            check(kEventNames[std::size_t(event)]);
        }
        return m_run;
    }

private:
    void run(EventKind event)
    {
        switch (event) {
        case EventKind::Click: m_game.card_Click(anyIndex(m_input.operand())); break;
        case EventKind::ClickTwice: clickTwice(anyIndex(m_input.operand())); break;
        case EventKind::RememberingClick: m_game.card_Click(rememberedCard(m_input.operand())); break;
        case EventKind::Timer: m_game.fireTimer(anyTimer(m_input.operand())); break;
        case EventKind::Deal: deal(); break;
        case EventKind::PairSoundOption:
            m_game.setOptions(m_game.globals().CardsDisappear, m_input.operand() & 1);
            break;
        case EventKind::DisappearOption:
            m_game.setOptions(m_input.operand() & 1, m_game.globals().PairSound);
            break;
        case EventKind::DealAgain:
            if (m_input.operand() & 1)
                m_game.dealGame(m_game.globals().CardType, m_game.globals().CardCount);
            break;
        }
    }

    const std::string& tagOf(int slot) const { return m_game.cards()[std::size_t(slot)].Tag; }

    // The card a player with perfect memory turns: the twin of the card turned first, or else
    // one of the cards in play. Without such a player few games would ever be won.
    Integer rememberedCard(std::uint8_t choice) const
    {
        std::vector<Integer> inPlay;
        for (int i = 0; i < std::min<int>(m_game.globals().CardCount, kSlotCount); ++i) {
            if (isInPlay(tagOf(i)))
                inPlay.push_back(Integer(i));
        }
        if (inPlay.empty())
            return 0;
        const Integer first = m_game.globals().FirstCard;
        if (isSlotIndex(first)) {
            for (const Integer card : inPlay) {
                if (card != first && areTwins(m_game.globals().CardType, tagOf(first), tagOf(card)))
                    return card;
            }
        }
        return inPlay[choice % inPlay.size()];
    }

    // The same card twice in a row, as a double click delivers it.
    void clickTwice(Integer index)
    {
        m_game.card_Click(index);
        check("the first of two clicks");
        m_game.card_Click(index);
    }

    // As the new game dialog deals: a kind, and one of the counts it offers.
    void deal()
    {
        ++m_run.deals;
        const auto kind = Integer(m_input.operand() % 3);
        m_game.dealGame(kind, Integer(8 + 2 * (m_input.operand() % 6)));
    }

    void check(const char* after)
    {
        if (m_run.broken)
            return;
        if (const std::optional<std::string> broken = brokenInvariant(m_game))
            m_run.broken = "after event " + std::to_string(m_run.events) + " (" + after + "): " + *broken;
    }

    void playSound(std::string_view name, int) override
    {
        const std::string sound(name);
        if (sound != "LOON" && sound != "PARTY" && sound != "BIMBLO")
            m_run.broken = "played an unknown sound: " + sound;
        else if (!m_game.globals().PairSound)
            m_run.broken = "played " + sound + " with the pair sound switched off";
        else if (!m_game.form().tmrPairMatch.Enabled())
            m_run.broken = "played " + sound + " outside the resolution of a found pair";
    }

    void cardTurnedUp(Integer slot, int face) override
    {
        if (!isSlotIndex(slot) || m_game.cards()[std::size_t(slot)].Face != face
            || tagInteger(tagOf(slot)) != face)
            m_run.broken = "reported slot " + std::to_string(slot) + " turned up with face " + std::to_string(face);
    }

    void celebrationStarted() override
    {
        if (m_game.form().YouDidItTicks != 1)
            m_run.broken = "a celebration reported to start at its tick " + std::to_string(m_game.form().YouDidItTicks);
    }

    // The new game dialog that ends a celebration: the board must be whole when it opens, and the
    // player may deal from it, inside the celebration's timer handler, or close it.
    void celebrationEnded() override
    {
        ++m_run.wins;
        check("the celebration's end");
        if (m_input.operand() & 1)
            deal();
    }

    EventSource& m_input;
    std::uint64_t m_clockReading;
    std::uint32_t m_clockStep;
    ClockMixedRandom m_random;
    Game m_game{m_random, *this};
    GameEventsRun m_run;
};

} // namespace

GameEventsRun playGameEvents(EventSource& events, RandomStart start)
{
    return Session(events, start).play();
}

GameEventsRun playGameEvents(std::span<const std::uint8_t> input)
{
    ByteReader bytes(input);
    RandomStart start;
    start.seed = bytes.number<std::uint64_t>();
    start.firstReading = bytes.number<std::uint32_t>();
    start.step = bytes.number<std::uint32_t>();
    return playGameEvents(bytes, start);
}

} // namespace twindle::test

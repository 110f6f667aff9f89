// Plays the game model through whatever sequence of events the fuzzer makes up, and checks the
// game's invariants after every one; a broken invariant aborts, and the input that broke it is
// kept. The events are those the window can deliver: clicks on any index of either card array,
// in range and out of it; any timer firing (a disabled one is ignored, as fireTimer promises);
// deals of any kind and offered count; the option changes the options dialog allows; and the new
// game dialog that ends a celebration, which may deal a new game from inside the timer handler.
//
// The input: a header of 16 bytes (the random source's seed, then its clock's first reading and
// its step, little-endian), then events of one opcode byte each with their operand bytes. See
// fuzz/README.md.

#include "byte_reader.h"
#include "invariant_check.h"

#include "game/game.h"
#include "game/pair_rules.h"
#include "game/tag_text.h"
#include "toolkit/random_source.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace twindle::fuzz {
namespace {

enum class Event : std::uint8_t {
    PictureClick,      // operand: an index
    LetterClick,       // operand: an index
    RememberingClick,  // operand: which card in play, when no twin is known
    Timer,             // operand: which timer
    Deal,              // operands: the kind, the count
    PairSoundOption,   // operand: on or off
    DisappearOption,   // operand: on or off
    Count
};

constexpr std::array<const char*, std::size_t(Event::Count)> kEventNames{
    "picture click", "letter click", "remembering click", "timer", "deal",
    "pair sound option", "cards disappear option"};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "game_events_fuzzer: %s\n", what.c_str());
    std::abort();
}

// Mostly the board's own slots; the last few byte values stand for indices off the board.
Integer anyIndex(std::uint8_t operand)
{
    constexpr std::array<Integer, 8> kOffTheBoard{-1, 18, 19, 255, kNoCardTurned, -300, -32768, 32767};
    constexpr int kOnTheBoard = 256 - int(kOffTheBoard.size());
    if (operand < kOnTheBoard)
        return Integer(operand % kSlotCount);
    return kOffTheBoard[std::size_t(operand - kOnTheBoard)];
}

Integer anyKind(std::uint8_t operand)
{
    return Integer(operand % 3);
}

// The counts the new game dialog offers: 8 to 18, even.
Integer anyCount(std::uint8_t operand)
{
    return Integer(8 + 2 * (operand % 6));
}

GameTimer anyTimer(std::uint8_t operand)
{
    constexpr std::array kTimers{GameTimer::PairMatch, GameTimer::PairNoMatch, GameTimer::YouDidIt};
    return kTimers[operand % kTimers.size()];
}

const std::string& tagOf(const Game& game, int slot)
{
    return game.playsPictures() ? game.form().card[std::size_t(slot)].Tag
                                : game.form().capCard[std::size_t(slot)].Tag;
}

bool pairUp(const Game& game, int a, int b)
{
    return game.playsPictures() ? picturesPair(tagOf(game, a), tagOf(game, b))
                                : lettersPair(tagOf(game, a), tagOf(game, b));
}

// The card a player with perfect memory turns: the twin of the card turned first, or else one
// of the cards in play. Without such a player few games would ever be won.
Integer rememberedCard(const Game& game, std::uint8_t choice)
{
    std::vector<Integer> inPlay;
    for (int i = 0; i < std::min<int>(game.globals().CardCount, kSlotCount); ++i) {
        if (isInPlayTag(tagOf(game, i)))
            inPlay.push_back(Integer(i));
    }
    if (inPlay.empty())
        return 0;
    const Integer first = game.globals().FirstCard;
    if (isSlotIndex(first)) {
        for (const Integer card : inPlay) {
            if (card != first && pairUp(game, first, card))
                return card;
        }
    }
    return inPlay[choice % inPlay.size()];
}

class FuzzSession final : private BoardEffects {
public:
    explicit FuzzSession(std::span<const std::uint8_t> input)
        : m_input(input)
        , m_random([this] { return m_clockReading += m_clockStep; }, m_input.number<std::uint64_t>())
    {
        m_clockReading = m_input.number<std::uint32_t>();
        m_clockStep = m_input.number<std::uint32_t>();
    }

    void play()
    {
        m_game.Form_Load();
        check("start-up");
        while (!m_input.atEnd()) {
            const auto event = Event(m_input.byte() % std::uint8_t(Event::Count));
            run(event);
            ++m_events;
            check(kEventNames[std::size_t(event)]);
        }
    }

private:
    void run(Event event)
    {
        switch (event) {
        case Event::PictureClick: m_game.card_Click(anyIndex(m_input.byte())); break;
        case Event::LetterClick: m_game.capCard_Click(anyIndex(m_input.byte())); break;
        case Event::RememberingClick: clickOfGame(rememberedCard(m_game, m_input.byte())); break;
        case Event::Timer: m_game.fireTimer(anyTimer(m_input.byte())); break;
        case Event::Deal: deal(); break;
        case Event::PairSoundOption: m_game.globals().PairSound = m_input.byte() & 1; break;
        case Event::DisappearOption: changeCardsDisappear(m_input.byte() & 1); break;
        case Event::Count: break;
        }
    }

    void clickOfGame(Integer index)
    {
        if (m_game.playsPictures())
            m_game.card_Click(index);
        else
            m_game.capCard_Click(index);
    }

    // As the new game dialog deals: the kind first, then the count.
    void deal()
    {
        m_game.globals().CardType = anyKind(m_input.byte());
        m_game.CardPosition(anyCount(m_input.byte()));
    }

    // The options dialog offers "Cards disappear" only while no pair of the game is found.
    void changeCardsDisappear(bool disappear)
    {
        if (m_game.globals().CardsMatched == 0)
            m_game.globals().CardsDisappear = disappear;
    }

    void check(const char* after)
    {
        if (const std::optional<std::string> broken = test::brokenInvariant(m_game))
            fail("after event " + std::to_string(m_events) + " (" + after + "): " + *broken);
    }

    // Only a found pair, with the sound option on, makes a sound.
    void PlayResSound(const std::string& name, int) override
    {
        if (name != "LOON" && name != "PARTY" && name != "BIMBLO")
            fail("played an unknown sound: " + name);
        if (!m_game.globals().PairSound)
            fail("played " + name + " with the pair sound switched off");
        if (!m_game.form().tmrPairMatch.Enabled())
            fail("played " + name + " outside the resolution of a found pair");
    }

    // The dialog that ends a celebration: the board must be whole when it opens, and the
    // player may deal from it, inside the celebration's timer handler, or close it.
    void showNewGameDialog() override
    {
        check("the celebration's end");
        if (m_input.byte() & 1)
            deal();
    }

    ByteReader m_input;
    std::uint64_t m_clockReading = 0;
    std::uint32_t m_clockStep = 0;
    ClockMixedRandom m_random;
    Game m_game{m_random, *this};
    long long m_events = 0;
};

} // namespace
} // namespace twindle::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    twindle::fuzz::FuzzSession(std::span(data, size)).play();
    return 0;
}

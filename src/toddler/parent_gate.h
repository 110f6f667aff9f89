#pragma once

#include <functional>
#include <optional>
#include <string>

namespace twindle {

// The only way out of toddler mode: a deliberate grown-up's action that a child's mashing does
// not make. Escape asks for a number from 100 to 999, written in words; typing its three digits
// and pressing Enter leaves, and Backspace takes a digit back. Any other key, a fourth digit, a
// wrong number or kPatienceMs without a key puts the question away, and every Escape asks a new
// number. A child would have to press Escape, three given digits and Enter in a row, one chance
// in millions at every try. On a screen with no keys, a press held still on the gate's spot for
// kHoldMs asks as Escape does, and the digits, Back and OK are buttons: a toddler seldom holds
// a finger still that long, and tapping at random then passes once in a thousand held presses.
// Times are milliseconds of any steady clock.
class ParentGate {
public:
    enum class Key { Escape, Digit, Backspace, Enter, Other };
    enum class Step { Closed, Asking, Passed };

    // Long enough to read and type, short enough that a child does not find the question later.
    static constexpr long long kPatienceMs = 20000;
    // Longer than a child's taps and presses, short enough for a grown-up to wait out.
    static constexpr long long kHoldMs = 3000;

    // `drawNumber` gives the next number to ask for, 100 to 999; `inWords` writes it in words,
    // as the question asks for it (number_words.h; English unless given).
    explicit ParentGate(std::function<int()> drawNumber, std::function<std::string(int)> inWords = {});

    Step press(Key key, int digit, long long now);
    void close() { m_step = Step::Closed; }

    // A press on the gate's spot begins, or ends (lifted, or slid off the spot).
    void startHold(long long now) { m_heldSince = now; }
    void endHold() { m_heldSince.reset(); }
    bool isHolding() const { return m_heldSince.has_value(); }
    // When the press being held asks the question.
    long long holdDeadline() const { return m_heldSince.value_or(0) + kHoldMs; }
    // Asks the question, as Escape does, once the press has been held for kHoldMs; whether it
    // asked. One press asks once.
    bool askIfHeld(long long now);

    // Puts the question away when no key has come for kPatienceMs; the step it leaves.
    Step wait(long long now);
    // When the question goes away unless a key comes first.
    long long deadline() const { return m_lastKey + kPatienceMs; }

    Step step() const { return m_step; }
    // The number asked for, in words ("three hundred forty-seven") and in digits, and what has
    // been typed.
    const std::string& question() const { return m_question; }
    const std::string& answer() const { return m_answer; }
    const std::string& typed() const { return m_typed; }

private:
    void ask(long long now);

    std::function<int()> m_drawNumber;
    std::function<std::string(int)> m_inWords;
    Step m_step = Step::Closed;
    std::string m_answer;
    std::string m_question;
    std::string m_typed;
    long long m_lastKey = 0;
    std::optional<long long> m_heldSince;
};

} // namespace twindle

#pragma once

#include <functional>
#include <string>

namespace twindle {

// The only way out of toddler mode: a deliberate grown-up's action that a child's mashing does
// not make. Escape asks for a number from 100 to 999, written in words; typing its three digits
// and pressing Enter leaves, and Backspace takes a digit back. Any other key, a fourth digit, a
// wrong number or kPatienceMs without a key puts the question away, and every Escape asks a new
// number. A child would have to press Escape, three given digits and Enter in a row, one chance
// in millions at every try. Times are milliseconds of any steady clock.
class ParentGate {
public:
    enum class Key { Escape, Digit, Backspace, Enter, Other };
    enum class Step { Closed, Asking, Passed };

    // Long enough to read and type, short enough that a child does not find the question later.
    static constexpr long long kPatienceMs = 20000;

    // `drawNumber` gives the next number to ask for, 100 to 999.
    explicit ParentGate(std::function<int()> drawNumber);

    Step press(Key key, int digit, long long now);
    void close() { m_step = Step::Closed; }

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
    std::function<int()> m_drawNumber;
    Step m_step = Step::Closed;
    std::string m_answer;
    std::string m_question;
    std::string m_typed;
    long long m_lastKey = 0;
};

// A number from 1 to 999 in words, as the hint writes it: "forty-seven", "three hundred five".
std::string numberInWords(int number);

} // namespace twindle

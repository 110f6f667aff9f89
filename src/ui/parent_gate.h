#pragma once

#include <functional>
#include <string>

namespace twindle {

// The only way out of toddler mode: a deliberate grown-up's action that a child's mashing does
// not make. Escape asks for a number from 100 to 999, written in words; typing its three digits
// and pressing Enter leaves, and Backspace takes a digit back. Any other key, a fourth digit, a
// wrong number or (the window's timer) a pause puts the question away, and every Escape asks a
// new number. A child would have to press Escape, three given digits and Enter in a row, one
// chance in millions at every try.
class ParentGate {
public:
    enum class Key { Escape, Digit, Backspace, Enter, Other };
    enum class Step { Closed, Asking, Passed };

    // `drawNumber` gives the next number to ask for, 100 to 999.
    explicit ParentGate(std::function<int()> drawNumber);

    Step press(Key key, int digit = 0);
    void close() { m_step = Step::Closed; }

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
};

// A number from 1 to 999 in words, as the hint writes it: "forty-seven", "three hundred five".
std::string numberInWords(int number);

} // namespace twindle

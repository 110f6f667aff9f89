#include "parent_gate.h"

#include <array>
#include <utility>

namespace twindle {

namespace {

constexpr std::size_t kAnswerDigits = 3;

} // namespace

std::string numberInWords(int number)
{
    static constexpr std::array<const char*, 20> kUnits{
        "", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
        "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen",
        "nineteen"};
    static constexpr std::array<const char*, 10> kTens{
        "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    std::string words;
    if (number >= 100) {
        words = std::string(kUnits[std::size_t(number / 100)]) + " hundred";
        number %= 100;
        if (number > 0)
            words += ' ';
    }
    if (number >= 20) {
        words += kTens[std::size_t(number / 10)];
        if (number % 10 > 0)
            words += std::string("-") + kUnits[std::size_t(number % 10)];
    } else {
        words += kUnits[std::size_t(number)];
    }
    return words;
}

ParentGate::ParentGate(std::function<int()> drawNumber)
    : m_drawNumber(std::move(drawNumber))
{
}

ParentGate::Step ParentGate::wait(long long now)
{
    if (m_step == Step::Asking && now >= deadline())
        m_step = Step::Closed;
    return m_step;
}

void ParentGate::ask(long long now)
{
    m_lastKey = now;
    const int number = m_drawNumber();
    m_answer = std::to_string(number);
    m_question = numberInWords(number);
    m_typed.clear();
    m_step = Step::Asking;
}

bool ParentGate::askIfHeld(long long now)
{
    if (!isHolding() || now < holdDeadline())
        return false;
    endHold();
    ask(now);
    return true;
}

ParentGate::Step ParentGate::press(Key key, int digit, long long now)
{
    m_lastKey = now;
    if (key == Key::Escape) {
        ask(now);
        return m_step;
    }
    if (m_step != Step::Asking)
        return m_step;
    switch (key) {
    case Key::Digit:
        if (m_typed.size() == kAnswerDigits)
            return m_step = Step::Closed;
        m_typed += char('0' + digit);
        return m_step;
    case Key::Backspace:
        if (!m_typed.empty())
            m_typed.pop_back();
        return m_step;
    case Key::Enter: return m_step = m_typed == m_answer ? Step::Passed : Step::Closed;
    default: return m_step = Step::Closed;
    }
}

} // namespace twindle

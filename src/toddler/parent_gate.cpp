#include "parent_gate.h"

#include "toddler/number_words.h"

#include <utility>

namespace twindle {

namespace {

constexpr std::size_t kAnswerDigits = 3;

} // namespace

ParentGate::ParentGate(std::function<int()> drawNumber, std::function<std::string(int)> inWords)
    : m_drawNumber(std::move(drawNumber))
    , m_inWords(inWords ? std::move(inWords) : [](int number) { return numberInWords(number, "en"); })
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
    m_question = m_inWords(number);
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

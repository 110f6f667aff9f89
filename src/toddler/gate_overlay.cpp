#include "gate_overlay.h"

#include "toddler/gate_accessible.h"
#include "toddler/gate_pad.h"
#include "toddler/number_words.h"
#include "toddler/toddler_log.h"
#include "ui/window_language.h"

#include <QAccessible>
#include <QLabel>
#include <QRandomGenerator>

#include <algorithm>

namespace twindle {

namespace {

ParentGate::Key gateKey(int key)
{
    switch (key) {
    case Qt::Key_Escape: return ParentGate::Key::Escape;
    case Qt::Key_Backspace: return ParentGate::Key::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ParentGate::Key::Enter;
    default: break;
    }
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? ParentGate::Key::Digit : ParentGate::Key::Other;
}

} // namespace

GateOverlay::GateOverlay(QWidget& board)
    : m_board(board)
    , m_gate([] { return int(QRandomGenerator::global()->bounded(100, 1000)); },
             // In the parent's language, which may change between two questions.
             [](int number) { return numberInWords(number, windowLanguage().toStdString()); })
{
    QAccessible::installFactory(gateAccessibleFactory);  // once: Qt keeps each factory once
    m_clock.start();
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, &GateOverlay::waitForKey);
    m_hold.setSingleShot(true);
    m_hold.setTimerType(Qt::PreciseTimer);
    connect(&m_hold, &QTimer::timeout, this, &GateOverlay::checkHold);
}

long long GateOverlay::now() const
{
    return m_clock.elapsed() + m_elapsedMs;
}

void GateOverlay::waitForKey()
{
    if (m_gate.wait(now()) == ParentGate::Step::Asking)
        m_patience.start(int(m_gate.deadline() - now()));
    show();
}

void GateOverlay::pressKey(int key)
{
    if (gateKey(key) == ParentGate::Key::Escape)
        m_byTouch = false;
    press(gateKey(key), key - Qt::Key_0);
}

// A key, or a button of the question asked by touch.
void GateOverlay::press(ParentGate::Key key, int digit)
{
    const ParentGate::Step before = m_gate.step();
    const ParentGate::Step after = m_gate.press(key, digit, now());
    if (after == ParentGate::Step::Passed) {
        close();
        emit passed();
        return;
    }
    if (before == ParentGate::Step::Closed && after == ParentGate::Step::Closed)
        return;  // a child's key: nothing happens at all
    if (key == ParentGate::Key::Escape) {
        asked();
        return;
    }
    if (after == ParentGate::Step::Asking)
        m_patience.start(int(ParentGate::kPatienceMs));
    show();
}

// A new number is asked, by Escape or by the held spot.
void GateOverlay::asked()
{
    qCInfo(lcToddler, "asking a grown-up%s for %s (%s)", m_byTouch ? " by touch" : "", m_gate.answer().c_str(),
           m_gate.question().c_str());
    m_patience.start(int(ParentGate::kPatienceMs));
    show();
}

void GateOverlay::close()
{
    m_patience.stop();
    m_hold.stop();
    m_gate.endHold();
    m_gate.close();
    show();
}

void GateOverlay::setSpotShown(bool shown)
{
    if (shown && m_spot == nullptr) {
        m_spot = new GateSpot(m_board);
        connect(m_spot, &GateSpot::pressed, this, [this] {
            m_gate.startHold(now());
            m_hold.start(int(ParentGate::kHoldMs));
        });
        connect(m_spot, &GateSpot::released, this, [this] {
            m_gate.endHold();
            m_hold.stop();
        });
    }
    if (m_spot != nullptr)
        m_spot->setVisible(shown);
    if (shown)
        raise();
}

void GateOverlay::raise()
{
    if (m_spot != nullptr)
        m_spot->raise();
}

// The timer may come a little early; the gate keeps the time.
void GateOverlay::checkHold()
{
    if (m_gate.askIfHeld(now())) {
        m_byTouch = true;
        asked();
    } else if (m_gate.isHolding()) {
        m_hold.start(int(m_gate.holdDeadline() - now()));
    }
}

void GateOverlay::elapseHold()
{
    if (!m_hold.isActive())
        return;
    m_hold.stop();
    m_elapsedMs += std::max(0LL, m_gate.holdDeadline() - now());
    checkHold();
}

void GateOverlay::show()
{
    const bool asking = m_gate.step() == ParentGate::Step::Asking;
    showHint(asking && !m_byTouch);
    if (asking && m_byTouch && m_pad == nullptr) {
        m_pad = new GatePad(m_board);
        connect(m_pad, &GatePad::keyPressed, this, &GateOverlay::press);
    }
    if (asking && m_byTouch)
        m_pad->showQuestion(QString::fromUtf8(m_gate.question().c_str()), QString::fromStdString(m_gate.typed()));
    else if (m_pad != nullptr)
        m_pad->hide();
}

void GateOverlay::showHint(bool shown)
{
    if (!shown) {
        if (m_hint != nullptr)
            m_hint->hide();
        return;
    }
    if (m_hint == nullptr) {
        // Small and calm: a child sees a quiet line of text, nothing to play with. Made only when
        // a grown-up first asks, so that the window opens without it.
        // Named before it is on the board, where a screen reader may look at it at once.
        m_hint = new QLabel;
        m_hint->setObjectName(QStringLiteral("parentGateHint"));
        m_hint->setParent(&m_board);
        m_hint->setStyleSheet(QStringLiteral("QLabel { background: rgba(40, 40, 40, 150); color: white; "
                                             "border-radius: 6px; padding: 4px 10px; font-size: 13px; }"));
        m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QString typed = QString::fromStdString(m_gate.typed());
    m_hint->setText(tr("Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2")
                        .arg(QString::fromUtf8(m_gate.question().c_str()),
                             typed.isEmpty() ? QString() : QStringLiteral("  ") + typed));
    m_hint->adjustSize();
    m_hint->move((m_board.width() - m_hint->width()) / 2, m_board.height() - m_hint->height() - 12);
    m_hint->show();
    m_hint->raise();
}

} // namespace twindle

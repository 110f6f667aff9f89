#include "gate_overlay.h"

#include "ui/toddler/toddler_log.h"

#include <QLabel>
#include <QRandomGenerator>

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
    , m_gate([] { return int(QRandomGenerator::global()->bounded(100, 1000)); })
{
    m_clock.start();
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, &GateOverlay::waitForKey);
}

void GateOverlay::waitForKey()
{
    if (m_gate.wait(m_clock.elapsed()) == ParentGate::Step::Asking)
        m_patience.start(int(m_gate.deadline() - m_clock.elapsed()));
    show();
}

void GateOverlay::pressKey(int key)
{
    const ParentGate::Step before = m_gate.step();
    const ParentGate::Step after = m_gate.press(gateKey(key), key - Qt::Key_0, m_clock.elapsed());
    if (after == ParentGate::Step::Passed) {
        close();
        emit passed();
        return;
    }
    if (before == ParentGate::Step::Closed && after == ParentGate::Step::Closed)
        return;  // a child's key: nothing happens at all
    if (after == ParentGate::Step::Asking) {
        if (gateKey(key) == ParentGate::Key::Escape)
            qCInfo(lcToddler, "asking a grown-up for %s (%s)", m_gate.answer().c_str(), m_gate.question().c_str());
        m_patience.start(int(ParentGate::kPatienceMs));
    }
    show();
}

void GateOverlay::close()
{
    m_patience.stop();
    m_gate.close();
    show();
}

void GateOverlay::show()
{
    if (m_gate.step() != ParentGate::Step::Asking) {
        if (m_hint != nullptr)
            m_hint->hide();
        return;
    }
    if (m_hint == nullptr) {
        // Small and calm: a child sees a quiet line of text, nothing to play with. Made only when
        // a grown-up first asks, so that the window opens without it.
        m_hint = new QLabel(&m_board);
        m_hint->setObjectName(QStringLiteral("parentGateHint"));
        m_hint->setStyleSheet(QStringLiteral("QLabel { background: rgba(40, 40, 40, 150); color: white; "
                                             "border-radius: 6px; padding: 4px 10px; font-size: 13px; }"));
        m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QString typed = QString::fromStdString(m_gate.typed());
    m_hint->setText(tr("Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2")
                        .arg(QString::fromStdString(m_gate.question()),
                             typed.isEmpty() ? QString() : QStringLiteral("  ") + typed));
    m_hint->adjustSize();
    m_hint->move((m_board.width() - m_hint->width()) / 2, m_board.height() - m_hint->height() - 12);
    m_hint->show();
    m_hint->raise();
}

} // namespace twindle

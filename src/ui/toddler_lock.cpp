#include "toddler_lock.h"

#include "toolkit/input_grab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>

namespace twindle {

namespace {

Q_LOGGING_CATEGORY(lcToddler, "twindle.toddler", QtWarningMsg)

// The question goes away after this long without a key: long enough to read and type, short
// enough that a child does not find it there later.
constexpr int kGatePauseMs = 20000;
constexpr int kHoldRetryMs = 100;
// How soon the window is looked at after it was asked away, and again after it was brought back:
// the window manager needs a moment, and a window asked back too eagerly would only flicker.
constexpr int kRestoreCheckMs = 150;

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

ToddlerLock::ToddlerLock(QMainWindow& window, QWidget& hintParent)
    : QObject(&window)
    , m_window(window)
    , m_hintParent(hintParent)
    , m_gate([] { return int(QRandomGenerator::global()->bounded(100, 1000)); })
    , m_shortcuts(lcToddler())
{
    m_gatePause.setSingleShot(true);
    m_gatePause.setInterval(kGatePauseMs);
    connect(&m_gatePause, &QTimer::timeout, this, [this] {
        m_gate.close();
        showGate();
    });
    m_holdRetry.setInterval(kHoldRetryMs);
    connect(&m_holdRetry, &QTimer::timeout, this, &ToddlerLock::holdInput);
    m_restoreCheck.setSingleShot(true);
    m_restoreCheck.setInterval(kRestoreCheckMs);
    connect(&m_restoreCheck, &QTimer::timeout, this, &ToddlerLock::restoreFullScreen);
}

ToddlerLock::~ToddlerLock()
{
    if (m_engaged)
        qApp->removeEventFilter(this);
}

void ToddlerLock::engage()
{
    if (m_engaged)
        return;
    m_engaged = true;
    qApp->installEventFilter(this);
    holdInput();
    m_restoreCheck.start();
}

void ToddlerLock::release()
{
    if (!m_engaged)
        return;
    m_engaged = false;
    qApp->removeEventFilter(this);
    m_holdRetry.stop();
    m_restoreCheck.stop();
    m_gatePause.stop();
    m_gate.close();
    showGate();
    releaseKeyboardAndPointer();
    m_shortcuts.release();
}

void ToddlerLock::holdInput()
{
    QWindow* window = m_window.windowHandle();
    if (!m_engaged || window == nullptr)
        return;
    if (window->isActive())
        m_shortcuts.inhibit(*window);
    if (holdKeyboardAndPointer(*window)) {
        m_holdRetry.stop();
        qCInfo(lcToddler) << "holding the keyboard and the pointer";
    } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_holdRetry.start();  // the window is not on the screen yet, or someone else holds them
    } else if (!m_toldNoHold) {
        m_toldNoHold = true;
        qCInfo(lcToddler) << "the keyboard and the pointer cannot be grabbed on"
                          << QGuiApplication::platformName();
    }
}

bool ToddlerLock::isMainWindowEvent(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return watched == m_window.windowHandle() || (widget != nullptr && widget->window() == &m_window);
}

// Watches the whole application while engaged: the keys and the window's own requests. Events
// of the program's dialogs, such as the new game dialog a parent opens, are theirs.
bool ToddlerLock::eventFilter(QObject* watched, QEvent* event)
{
    if (!isMainWindowEvent(watched))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        pressGateKey(static_cast<QKeyEvent*>(event)->key());
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    case QEvent::Close:
        if (watched == &m_window) {
            qCInfo(lcToddler) << "refused a close request";
            event->ignore();
            return true;
        }
        return false;
    case QEvent::WindowStateChange:
    case QEvent::Hide:
        if (watched == &m_window && !m_restoreCheck.isActive())
            m_restoreCheck.start();
        return false;
    case QEvent::WindowDeactivate:
        if (watched == &m_window) {
            m_shortcuts.release();
            QTimer::singleShot(0, this, &ToddlerLock::takeBackActivation);
        }
        return false;
    case QEvent::WindowActivate:
        if (watched == &m_window)
            holdInput();
        return false;
    case QEvent::Expose:
        // A window manager may take the window off the screen without a word, as some show the
        // desktop; the hold on the keyboard ends with it.
        if (watched == m_window.windowHandle()) {
            if (m_window.windowHandle()->isExposed())
                holdInput();
            else if (!m_restoreCheck.isActive())
                m_restoreCheck.start();
        }
        return false;
    default: return false;
    }
}

void ToddlerLock::pressGateKey(int key)
{
    const ParentGate::Step before = m_gate.step();
    const ParentGate::Step after = m_gate.press(gateKey(key), key - Qt::Key_0);
    if (after == ParentGate::Step::Passed) {
        m_gate.close();
        showGate();
        emit passed();
        return;
    }
    if (before == ParentGate::Step::Closed && after == ParentGate::Step::Closed)
        return;  // a child's key: nothing happens at all
    if (after == ParentGate::Step::Asking) {
        if (gateKey(key) == ParentGate::Key::Escape)
            qCInfo(lcToddler, "asking a grown-up for %s (%s)", m_gate.answer().c_str(), m_gate.question().c_str());
        m_gatePause.start();
    }
    showGate();
}

void ToddlerLock::showGate()
{
    if (m_gate.step() != ParentGate::Step::Asking) {
        if (m_hint != nullptr)
            m_hint->hide();
        return;
    }
    if (m_hint == nullptr) {
        // Small and calm: a child sees a quiet line of text, nothing to play with. Made only when
        // a grown-up first asks, so that the window opens without it.
        m_hint = new QLabel(&m_hintParent);
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
    const QWidget& parent = *m_hint->parentWidget();
    m_hint->move((parent.width() - m_hint->width()) / 2, parent.height() - m_hint->height() - 12);
    m_hint->show();
    m_hint->raise();
}

void ToddlerLock::restoreFullScreen()
{
    if (!m_engaged)
        return;
    const Qt::WindowStates state = m_window.windowState();
    const bool minimised = state & Qt::WindowMinimized;
    const bool onScreen = m_window.windowHandle() != nullptr && m_window.windowHandle()->isExposed();
    const QRect screen = m_window.screen()->geometry();
    if (m_window.isVisible() && !minimised && (state & Qt::WindowFullScreen) && onScreen) {
        // Without a window manager nobody makes a window full screen but the window itself.
        if (m_window.geometry() != screen)
            m_window.setGeometry(screen);
        return;
    }
    qCInfo(lcToddler) << "refused to leave full screen, minimised or hidden";
    if (m_window.isVisible() && !minimised && !onScreen)
        m_window.hide();  // taken away unannounced: shown again from the start
    m_window.setWindowState((state & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    holdInput();
    m_restoreCheck.start();  // to see that it came back
}

// Another program's window took the activation, not one of the program's own dialogs.
void ToddlerLock::takeBackActivation()
{
    if (!m_engaged || QApplication::activeWindow() != nullptr)
        return;
    qCInfo(lcToddler) << "took the activation back";
    m_window.raise();
    m_window.activateWindow();
    holdInput();
}

} // namespace twindle

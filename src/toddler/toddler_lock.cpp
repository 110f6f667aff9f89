#include "toddler_lock.h"

#include "toolkit/window/input_grab.h"
#include "toddler/gate_overlay.h"
#include "toddler/toddler_log.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>

namespace twindle {

Q_LOGGING_CATEGORY(lcToddler, "twindle.toddler", QtWarningMsg)

namespace {

constexpr int kHoldRetryMs = 100;
// How soon the window is looked at after it was asked away, and again after it was brought back:
// the window manager needs a moment, and a window asked back too eagerly would only flicker.
constexpr int kRestoreCheckMs = 150;

} // namespace

ToddlerLock::ToddlerLock(QMainWindow& window, GateOverlay& gate)
    : m_window(window)
    , m_gate(gate)
    , m_shortcuts(lcToddler())
{
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
    m_gate.setSpotShown(true);
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
    m_gate.close();
    m_gate.setSpotShown(false);
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
// of the program's dialogs, such as the new game dialog a parent opens, are theirs; touches and
// the mouse go where they fall, on the board or on the gate's spot and buttons.
bool ToddlerLock::eventFilter(QObject* watched, QEvent* event)
{
    if (!isMainWindowEvent(watched))
        return false;
    if (filterKey(event))
        return true;
    if (event->type() == QEvent::Close && watched == &m_window) {
        qCInfo(lcToddler) << "refused a close request";
        event->ignore();
        return true;
    }
    watchWindow(watched, event);
    return false;
}

// Escape, and every key while the gate asks, go to the gate; a key of play goes to the board,
// and any other to the gate, which lets a child's key pass unheeded. No key reaches the window's
// shortcuts or its widgets.
bool ToddlerLock::filterKey(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (m_gate.isAsking() || key.key() == Qt::Key_Escape || !m_playKeys || !m_playKeys(key))
            m_gate.pressKey(key.key());
        return true;
    }
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: return true;
    default: return false;
    }
}

// The window asked away, deactivated, or taken off the screen: it is brought back.
void ToddlerLock::watchWindow(QObject* watched, QEvent* event)
{
    const bool window = watched == &m_window;
    switch (event->type()) {
    case QEvent::WindowStateChange:
    case QEvent::Hide:
        if (window && !m_restoreCheck.isActive())
            m_restoreCheck.start();
        break;
    case QEvent::WindowDeactivate:
        if (window) {
            m_shortcuts.release();
            QTimer::singleShot(0, this, &ToddlerLock::takeBackActivation);
        }
        break;
    case QEvent::WindowActivate:
        if (window)
            holdInput();
        break;
    case QEvent::Expose:
        // A window manager may take the window off the screen without a word, as some show the
        // desktop; the hold on the keyboard ends with it.
        if (watched == m_window.windowHandle()) {
            if (m_window.windowHandle()->isExposed())
                holdInput();
            else if (!m_restoreCheck.isActive())
                m_restoreCheck.start();
        }
        break;
    default: break;
    }
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

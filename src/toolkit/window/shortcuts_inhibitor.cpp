#include "shortcuts_inhibitor.h"

#include "toolkit/window/compositor_shortcuts.h"
#include "toolkit/core/program_module.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QWindow>

namespace twindle {

ShortcutsInhibitor::ShortcutsInhibitor(const QLoggingCategory& log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
}

ShortcutsInhibitor::~ShortcutsInhibitor() = default;

void ShortcutsInhibitor::inhibit(QWindow& window)
{
    if (!hasProtocol() || m_protocol->requestedFor(window))
        return;
    release();
    if (!m_protocol->request(window, [this](bool active) { answer(active); }))
        return;
    m_window = &window;
    window.installEventFilter(this);
}

void ShortcutsInhibitor::release()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
    if (m_protocol)
        m_protocol->withdraw();
}

// Qt gives a hidden window a new surface when it is shown again; the request goes with the old.
bool ShortcutsInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Hide)
        release();
    return false;
}

bool ShortcutsInhibitor::hasProtocol()
{
    // X11 has its own hold, and offscreen no compositor; the module is never loaded there.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    if (!m_loadTried) {
        m_loadTried = true;
        m_protocol = makeInModule<CompositorShortcuts>(QStringLiteral("twindle_wayland"), kWaylandModuleEntry);
        if (!m_protocol)
            tellOnce("the game cannot ask the compositor for its own keys: lib/twindle/twindle_wayland is missing");
    }
    if (m_protocol && !m_protocol->offered())
        tellOnce("the compositor cannot pass its own keys to the game: it lacks keyboard-shortcuts-inhibit");
    return m_protocol && m_protocol->offered();
}

void ShortcutsInhibitor::answer(bool active)
{
    if (active) {
        m_everActive = true;
        qCInfo(m_log) << "the compositor passes its own keys to the game";
    } else if (m_everActive) {
        qCInfo(m_log) << "the compositor takes its own keys back";
    } else {
        tellOnce("the compositor declined to pass its own keys to the game");
    }
}

void ShortcutsInhibitor::tellOnce(const char* what)
{
    if (m_told)
        return;
    m_told = true;
    qCInfo(m_log) << what;
}

} // namespace twindle

#include "shortcuts_inhibitor.h"

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QWindow>
#include <QtWaylandClient/QWaylandClientExtensionTemplate>
#include <qpa/qplatformnativeinterface.h>

#include <functional>

namespace twindle {

namespace {

constexpr int kProtocolVersion = 1;

} // namespace

// The compositor's global, bound through Qt's own connection: Qt's Wayland plugin owns the
// display and the registry, and this is how Qt lets a program use a protocol it does not speak.
class ShortcutsInhibitor::Manager final
    : public QWaylandClientExtensionTemplate<Manager>
    , public QtWayland::zwp_keyboard_shortcuts_inhibit_manager_v1 {
public:
    Manager()
        : QWaylandClientExtensionTemplate<Manager>(kProtocolVersion)
    {
        // Binds at once when the compositor offers the global (Qt already knows its globals),
        // rather than at the next turn of the event loop, so that a missing one is known now.
        initialize();
    }

    ~Manager() override
    {
        if (isInitialized() && !QCoreApplication::closingDown())
            destroy();
    }
};

// One request for one surface; the compositor answers it with active and inactive.
class ShortcutsInhibitor::Request final : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1 {
public:
    Request(::zwp_keyboard_shortcuts_inhibitor_v1* object, std::function<void(bool)> answer)
        : QtWayland::zwp_keyboard_shortcuts_inhibitor_v1(object)
        , m_answer(std::move(answer))
    {
    }

    ~Request() override
    {
        if (!QCoreApplication::closingDown())
            destroy();
    }

protected:
    void zwp_keyboard_shortcuts_inhibitor_v1_active() override { m_answer(true); }
    void zwp_keyboard_shortcuts_inhibitor_v1_inactive() override { m_answer(false); }

private:
    std::function<void(bool)> m_answer;
};

ShortcutsInhibitor::ShortcutsInhibitor(const QLoggingCategory& log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
}

ShortcutsInhibitor::~ShortcutsInhibitor() = default;

void ShortcutsInhibitor::inhibit(QWindow& window)
{
    if (!hasManager())
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* surface = static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
    auto* seat = static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    if (surface == nullptr || seat == nullptr)
        return;
    if (m_request && m_window == &window && m_surface == surface)
        return;
    // The protocol allows one request per surface and seat.
    release();
    m_request = std::make_unique<Request>(m_manager->inhibit_shortcuts(surface, seat),
                                          [this](bool active) { answer(active); });
    m_window = &window;
    m_surface = surface;
    window.installEventFilter(this);
}

void ShortcutsInhibitor::release()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_request.reset();
    m_window = nullptr;
    m_surface = nullptr;
}

// Qt gives a hidden window a new surface when it is shown again; the request goes with the old.
bool ShortcutsInhibitor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Hide)
        release();
    return false;
}

bool ShortcutsInhibitor::hasManager()
{
    // X11 has its own hold, and offscreen no compositor. Qt's Wayland extension classes must
    // not even be made elsewhere: they take the platform for Wayland's.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    if (!m_manager)
        m_manager = std::make_unique<Manager>();
    if (!m_manager->isActive())
        tellOnce("the compositor cannot pass its own keys to the game: it lacks keyboard-shortcuts-inhibit");
    return m_manager->isActive();
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
    emit activeChanged(active);
}

void ShortcutsInhibitor::tellOnce(const char* what)
{
    if (m_told)
        return;
    m_told = true;
    qCInfo(m_log) << what;
}

} // namespace twindle

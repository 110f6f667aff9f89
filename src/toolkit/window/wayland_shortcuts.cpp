// The module twindle_wayland: the keyboard-shortcuts-inhibit protocol over Qt's Wayland client,
// loaded by the program only when it runs on Wayland (compositor_shortcuts.h).
#include "toolkit/window/compositor_shortcuts.h"

#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <QtWaylandClient/QWaylandClientExtensionTemplate>
#include <qpa/qplatformnativeinterface.h>

#include <memory>

namespace twindle {

namespace {

constexpr int kProtocolVersion = 1;

// The compositor's global, bound through Qt's own connection: Qt's Wayland plugin owns the
// display and the registry, and this is how Qt lets a program use a protocol it does not speak.
class Manager final
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
class Request final : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1 {
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

wl_surface* surfaceOf(QWindow& window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
}

class WaylandShortcuts final : public CompositorShortcuts {
public:
    bool offered() override { return m_manager.isActive(); }

    bool request(QWindow& window, std::function<void(bool)> answer) override
    {
        wl_surface* surface = surfaceOf(window);
        auto* seat = static_cast<wl_seat*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_seat"));
        if (!offered() || surface == nullptr || seat == nullptr)
            return false;
        // The protocol allows one request per surface and seat.
        withdraw();
        m_request = std::make_unique<Request>(m_manager.inhibit_shortcuts(surface, seat), std::move(answer));
        m_window = &window;
        m_surface = surface;
        return true;
    }

    bool requestedFor(QWindow& window) override
    {
        return m_request && m_window == &window && m_surface == surfaceOf(window);
    }

    void withdraw() override
    {
        m_request.reset();
        m_window = nullptr;
        m_surface = nullptr;
    }

private:
    Manager m_manager;
    std::unique_ptr<Request> m_request;
    QPointer<QWindow> m_window;
    wl_surface* m_surface = nullptr;
};

} // namespace

} // namespace twindle

extern "C" Q_DECL_EXPORT twindle::CompositorShortcuts* twindleCreateCompositorShortcuts()
{
    return new twindle::WaylandShortcuts;
}

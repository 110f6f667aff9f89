#pragma once

#include <functional>

class QWindow;

namespace twindle {

// The keyboard-shortcuts-inhibit protocol of a Wayland compositor, as the module twindle_wayland
// speaks it through Qt's Wayland client. Qt's Wayland client library is large, and a program
// linked with it pays for linking it at every start, X11 included; so it lives in that module,
// loaded only when the program runs on Wayland (shortcuts_inhibitor.h).
class CompositorShortcuts {
public:
    virtual ~CompositorShortcuts() = default;

    // Whether the compositor offers the protocol.
    virtual bool offered() = 0;
    // Asks the compositor to pass its own keys to the window's present surface, in place of any
    // earlier request; its answers (active or not) go to answer. False, and nothing asked, when
    // the window has no surface yet or the seat is not known.
    virtual bool request(QWindow& window, std::function<void(bool active)> answer) = 0;
    // Whether the standing request is for the window's present surface: Qt gives a window that
    // is shown again a new one.
    virtual bool requestedFor(QWindow& window) = 0;
    // Withdraws the standing request, if any: the compositor's shortcuts work again.
    virtual void withdraw() = 0;
};

// The module's entry point: a function taking nothing and returning a new CompositorShortcuts
// that the caller owns.
inline constexpr const char* kWaylandModuleEntry = "twindleCreateCompositorShortcuts";

} // namespace twindle

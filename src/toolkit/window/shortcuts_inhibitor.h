#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QLoggingCategory;
class QWindow;

namespace twindle {

class CompositorShortcuts;

// Asks a Wayland compositor to pass every key to one window while that window has the keyboard,
// the compositor's own shortcuts included (Super, Alt+Tab, the workspace keys, its close key):
// the keyboard-shortcuts-inhibit protocol, Wayland's nearest thing to holding the keyboard on
// X11 (input_grab.h). sway (and the other wlroots compositors) and KWin grant it at once; GNOME
// asks the user first. A compositor may still keep a key of its own to take its shortcuts back.
//
// Only on Wayland, where it loads the module that speaks the protocol (compositor_shortcuts.h);
// elsewhere (X11, offscreen) it does nothing. What the compositor answers is told to the given
// log category at info level; that it lacks the protocol, or declined, only once.
class ShortcutsInhibitor final : public QObject {
    Q_OBJECT

public:
    explicit ShortcutsInhibitor(const QLoggingCategory& log, QObject* parent = nullptr);
    ~ShortcutsInhibitor() override;

    // Asks for the window's keys. Asking again for the same window is harmless; a window that
    // is not on the screen yet is asked for by the next call.
    void inhibit(QWindow& window);
    // The compositor's shortcuts work again.
    void release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hasProtocol();
    void answer(bool active);
    void tellOnce(const char* what);

    const QLoggingCategory& m_log;
    std::unique_ptr<CompositorShortcuts> m_protocol;
    bool m_loadTried = false;
    QPointer<QWindow> m_window;
    bool m_everActive = false;
    bool m_told = false;
};

} // namespace twindle

#include "input_grab.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace twindle {

namespace {

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

bool holdKeyboardAndPointer(QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr || !window.isExposed())
        return false;
    const auto id = xcb_window_t(window.winId());
    // Owner events: what happens over the program's own windows is theirs, as without a hold.
    constexpr std::uint8_t kOwnerEvents = 1;
    const ReplyPointer<xcb_grab_keyboard_reply_t> keyboard(
        xcb_grab_keyboard_reply(connection,
                                xcb_grab_keyboard(connection, kOwnerEvents, id, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr),
        &std::free);
    constexpr std::uint16_t kPointerEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE
        | XCB_EVENT_MASK_POINTER_MOTION;
    const ReplyPointer<xcb_grab_pointer_reply_t> pointer(
        xcb_grab_pointer_reply(connection,
                               xcb_grab_pointer(connection, kOwnerEvents, id, kPointerEvents,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                                                id /* the pointer stays on the window */, XCB_NONE,
                                                XCB_CURRENT_TIME),
                               nullptr),
        &std::free);
    return keyboard && keyboard->status == XCB_GRAB_STATUS_SUCCESS && pointer
        && pointer->status == XCB_GRAB_STATUS_SUCCESS;
}

void releaseKeyboardAndPointer()
{
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

} // namespace twindle

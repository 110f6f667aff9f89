/* Whether another X client holds the keyboard, for the real-window tests: prints "held" when it
 * does, "free" when not, and status 0 for held, 1 for free, 2 when it cannot tell. Built by the
 * tests (cc keyboard_grab.c -lxcb).
 *
 * It asks for the keyboard as of a minute from now. The X server answers AlreadyGrabbed while
 * another client holds it, before it looks at the time, and otherwise refuses the time
 * (GrabInvalidTime): so it never takes the keyboard, and the program it watches sees nothing. */
#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>

/* The X server's time now: that of a change to a property of a window of our own. */
static xcb_timestamp_t serverTime(xcb_connection_t* connection, xcb_window_t root)
{
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, 0, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
    xcb_flush(connection);
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    xcb_generic_event_t* event;
    while (time == XCB_CURRENT_TIME && (event = xcb_wait_for_event(connection)) != NULL) {
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY)
            time = ((xcb_property_notify_event_t*)event)->time;
        free(event);
    }
    return time;
}

int main(void)
{
    xcb_connection_t* connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection)) {
        puts("no display");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_timestamp_t aMinuteOn = serverTime(connection, root) + 60000;
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        connection, xcb_grab_keyboard(connection, 0, root, aMinuteOn, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        NULL);
    const int status = reply ? reply->status : -1;
    free(reply);
    xcb_disconnect(connection);
    switch (status) {
    case XCB_GRAB_STATUS_ALREADY_GRABBED: puts("held"); return 0;
    case XCB_GRAB_STATUS_INVALID_TIME: puts("free"); return 1;
    default: printf("cannot tell: the grab answered %d\n", status); return 2;
    }
}

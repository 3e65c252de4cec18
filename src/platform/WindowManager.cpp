#include "platform/WindowManager.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// How a _NET_ACTIVE_WINDOW request names its source: as a pager would, for the user.
constexpr uint32_t kSourceUser = 2;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window's property.
std::vector<uint32_t> windowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                     xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, type, 0, 4096), nullptr));
    if (!reply || reply->format != 32) return {};
    const auto* items = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

std::vector<uint32_t> rootProperty(xcb_connection_t* c, const char* name, xcb_atom_t type) {
    return windowProperty(c, root(c), atom(c, name), type);
}

// A request to the window manager about a window, of the given type.
xcb_client_message_event_t request(xcb_connection_t* c, WId window, const char* type) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = atom(c, type);
    return message;
}

// Sent to the root window, as the EWMH says window-manager requests go.
void sendToRoot(xcb_connection_t* c, const xcb_client_message_event_t& request) {
    xcb_send_event(c, 0, root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
}

bool managerActivates(xcb_connection_t* c) {
    const std::vector<uint32_t> supported = rootProperty(c, "_NET_SUPPORTED", XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), atom(c, "_NET_ACTIVE_WINDOW")) !=
           supported.end();
}

}  // namespace

namespace WindowManager {

// Qt keeps states already set on a window that is not yet shown and adds its own to them.
void keepOffTaskbar(QWindow& window) {
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t property = atom(c, "_NET_WM_STATE");
    std::vector<uint32_t> states = windowProperty(c, id, property, XCB_ATOM_ATOM);
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t skip = atom(c, name);
        if (std::find(states.begin(), states.end(), skip) == states.end()) states.push_back(skip);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.data());
    xcb_flush(c);
}

void setState(WId window, State state, bool on) {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    xcb_client_message_event_t change = request(c, window, "_NET_WM_STATE");
    change.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
    change.data.data32[1] =
        atom(c, state == State::FullScreen ? "_NET_WM_STATE_FULLSCREEN" : "_NET_WM_STATE_ABOVE");
    change.data.data32[3] = kSourceUser;
    sendToRoot(c, change);
}

WId focusedWindow() {
    xcb_connection_t* c = connection();
    if (!c) return 0;
    if (managerActivates(c)) {
        const std::vector<uint32_t> active = rootProperty(c, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
        return active.empty() ? 0 : active.front();
    }
    const Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return focus ? focus->focus : 0;
}

bool activate(WId window) {
    xcb_connection_t* c = connection();
    if (!c || !window) return false;
    if (managerActivates(c)) {
        xcb_client_message_event_t activation = request(c, window, "_NET_ACTIVE_WINDOW");
        activation.data.data32[0] = kSourceUser;
        activation.data.data32[1] = XCB_CURRENT_TIME;
        sendToRoot(c, activation);
    } else {
        // With no window manager the focus is set directly; the window may be gone by now.
        std::free(xcb_request_check(
            c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, xcb_window_t(window),
                                           XCB_CURRENT_TIME)));
        xcb_flush(c);
    }
    return true;
}

}  // namespace WindowManager

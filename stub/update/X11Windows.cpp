#include "update/X11Windows.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace stub {

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> Own(Reply* reply) {
    return {reply, &std::free};
}

// How far below a top-level frame a reparenting manager puts the client window.
constexpr int kFrameDepth = 3;

} // namespace

struct X11Windows::Connection {
    xcb_connection_t* xcb = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t clientList = 0, wmState = 0, wmPid = 0, transientFor = 0, netWmName = 0, wmName = 0,
               protocols = 0, deleteWindow = 0;

    xcb_atom_t Atom(const char* name) {
        auto reply = Own(xcb_intern_atom_reply(
            xcb, xcb_intern_atom(xcb, 0, std::uint16_t(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : 0;
    }

    // A property's reply; nullptr when the window has gone or has no such property.
    ReplyPtr<xcb_get_property_reply_t> Property(xcb_window_t window, xcb_atom_t property,
                                                xcb_atom_t type, std::uint32_t longs) {
        auto reply = Own(xcb_get_property_reply(
            xcb, xcb_get_property(xcb, 0, window, property, type, 0, longs), nullptr));
        if (reply && reply->type == XCB_NONE)
            reply.reset();
        return reply;
    }

    std::vector<xcb_window_t> Children(xcb_window_t window) {
        auto reply = Own(xcb_query_tree_reply(xcb, xcb_query_tree(xcb, window), nullptr));
        if (!reply)
            return {};
        xcb_window_t* children = xcb_query_tree_children(reply.get());
        return {children, children + xcb_query_tree_children_length(reply.get())};
    }

    std::optional<xcb_window_t> ClientBelow(xcb_window_t window, int depth) {
        if (Property(window, wmState, XCB_GET_PROPERTY_TYPE_ANY, 0))
            return window;
        if (depth == 0)
            return std::nullopt;
        for (xcb_window_t child : Children(window))
            if (auto client = ClientBelow(child, depth - 1))
                return client;
        return std::nullopt;
    }

    std::vector<xcb_window_t> ClientWindows() {
        if (auto list = Property(root, clientList, XCB_ATOM_WINDOW, 1 << 16)) {
            auto* windows = static_cast<xcb_window_t*>(xcb_get_property_value(list.get()));
            return {windows, windows + xcb_get_property_value_length(list.get()) / 4};
        }
        std::vector<xcb_window_t> topLevel = Children(root);
        std::vector<xcb_window_t> clients;
        for (xcb_window_t window : topLevel)
            if (auto client = ClientBelow(window, kFrameDepth))
                clients.push_back(*client);
        return clients.empty() ? topLevel : clients;
    }
};

X11Windows::X11Windows(const std::string& display)
    : connection_(new Connection) {
    Connection& c = *connection_;
    int screenNumber = 0;
    c.xcb = xcb_connect(display.empty() ? nullptr : display.c_str(), &screenNumber);
    if (xcb_connection_has_error(c.xcb))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c.xcb));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    c.root = screens.data->root;
    c.clientList = c.Atom("_NET_CLIENT_LIST");
    c.wmState = c.Atom("WM_STATE");
    c.wmPid = c.Atom("_NET_WM_PID");
    c.transientFor = XCB_ATOM_WM_TRANSIENT_FOR;
    c.netWmName = c.Atom("_NET_WM_NAME");
    c.wmName = XCB_ATOM_WM_NAME;
    c.protocols = c.Atom("WM_PROTOCOLS");
    c.deleteWindow = c.Atom("WM_DELETE_WINDOW");
}

X11Windows::~X11Windows() {
    xcb_disconnect(connection_->xcb);
}

bool X11Windows::Connected() const {
    return !xcb_connection_has_error(connection_->xcb) && connection_->root != 0;
}

std::vector<WindowId> X11Windows::WindowsOf(pid_t pid) {
    std::vector<WindowId> windows;
    if (!Connected())
        return windows;
    for (xcb_window_t window : connection_->ClientWindows()) {
        auto owner = connection_->Property(window, connection_->wmPid, XCB_ATOM_CARDINAL, 1);
        if (owner && xcb_get_property_value_length(owner.get()) == 4 &&
            *static_cast<std::uint32_t*>(xcb_get_property_value(owner.get())) == std::uint32_t(pid))
            windows.push_back(window);
    }
    return windows;
}

std::optional<WindowId> X11Windows::MainWindowOf(pid_t pid) {
    TAnalizer analizer;
    for (WindowId window : WindowsOf(pid))
        analizer.Add(window);
    return analizer.Best(*this);
}

bool X11Windows::RequestClose(WindowId window) {
    if (!Connected())
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = connection_->protocols;
    event.data.data32[0] = connection_->deleteWindow;
    event.data.data32[1] = XCB_CURRENT_TIME;
    auto cookie = xcb_send_event_checked(connection_->xcb, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                         reinterpret_cast<const char*>(&event));
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection_->xcb, cookie), &std::free);
    return !error;
}

std::optional<WindowId> X11Windows::Owner(WindowId window) {
    auto owner = connection_->Property(window, connection_->transientFor, XCB_ATOM_WINDOW, 1);
    if (!owner || xcb_get_property_value_length(owner.get()) != 4)
        return std::nullopt;
    WindowId id = *static_cast<std::uint32_t*>(xcb_get_property_value(owner.get()));
    if (id == 0 || id == connection_->root)
        return std::nullopt;
    return id;
}

std::optional<WindowFacts> X11Windows::Facts(WindowId window) {
    auto attributes = Own(xcb_get_window_attributes_reply(
        connection_->xcb, xcb_get_window_attributes(connection_->xcb, window), nullptr));
    if (!attributes)
        return std::nullopt;
    WindowFacts facts;
    facts.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    for (xcb_atom_t name : {connection_->netWmName, connection_->wmName}) {
        auto caption = connection_->Property(window, name, XCB_GET_PROPERTY_TYPE_ANY, 1);
        if (caption && xcb_get_property_value_length(caption.get()) > 0)
            facts.hasCaption = true;
    }
    return facts;
}

} // namespace stub

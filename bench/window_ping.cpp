// How long a real X11 window takes to answer, seen from outside as a window manager sees it:
// sends _NET_WM_PING to the top-level window of process PID, waits for the answer, and
// writes one line per ping, "<sent, monotonic ms> <round trip ms>", until the window goes
// or SIGTERM. The answer comes from the program's GUI thread, so a long round trip is a
// stall the person feels, whatever the program's own probes say.
//
//   window-ping --pid PID --out FILE [--interval-ms 20]
//
// Needs an X server without a window manager (Xvfb): the answer is sent to the root window
// and read here through the root's StructureNotify.

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>

namespace {

std::atomic<bool> stopRequested{false};

double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    auto cookie = xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

std::optional<std::uint32_t> cardinalProperty(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property)
{
    auto cookie = xcb_get_property(x, 0, window, property, XCB_ATOM_CARDINAL, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
    std::optional<std::uint32_t> value;
    if (reply && xcb_get_property_value_length(reply) == 4)
        value = *static_cast<std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

bool isMapped(xcb_connection_t* x, xcb_window_t window)
{
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr);
    const bool mapped = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return mapped;
}

// The mapped top-level window whose _NET_WM_PID is pid (without a window manager, the
// root's children are the top-level windows).
std::optional<xcb_window_t> windowOf(xcb_connection_t* x, xcb_window_t root, std::uint32_t pid, xcb_atom_t pidAtom)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree)
        return std::nullopt;
    std::optional<xcb_window_t> found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
        if (cardinalProperty(x, children[i], pidAtom) == pid && isMapped(x, children[i]))
            found = children[i];
    std::free(tree);
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint32_t pid = 0;
    std::string out;
    int intervalMs = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--pid") == 0)
            pid = std::uint32_t(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
        else if (std::strcmp(argv[i], "--interval-ms") == 0)
            intervalMs = std::atoi(argv[i + 1]);
    }
    if (pid == 0 || out.empty()) {
        std::fprintf(stderr, "usage: window-ping --pid PID --out FILE [--interval-ms N]\n");
        return 2;
    }
    std::signal(SIGTERM, [](int) { stopRequested = true; });
    std::signal(SIGINT, [](int) { stopRequested = true; });

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "window-ping: no X display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t protocols = atom(x, "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(x, "_NET_WM_PING");
    const xcb_atom_t pidAtom = atom(x, "_NET_WM_PID");
    // Qt sends its answer to the root window with StructureNotify; the window's end comes
    // as the root's SubstructureNotify.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    // The window appears once the program has drawn it.
    std::optional<xcb_window_t> window;
    const double waitingSince = nowMs();
    while (!(window = windowOf(x, root, pid, pidAtom))) {
        if (stopRequested || nowMs() - waitingSince > 120'000) {
            std::fprintf(stderr, "window-ping: no window of process %u\n", pid);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::FILE* log = std::fopen(out.c_str(), "w");
    if (!log) {
        std::perror("window-ping");
        return 1;
    }
    std::fprintf(log, "# window found %.1f ms after the probe started\n", nowMs() - waitingSince);

    const int fd = xcb_get_file_descriptor(x);
    for (std::uint32_t serial = 1; !stopRequested; ++serial) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = *window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = serial; // stands in for the timestamp: it comes back as sent
        message.data.data32[2] = *window;
        const double sent = nowMs();
        xcb_send_event(x, 0, *window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(x);
        bool answered = false;
        while (!answered && !stopRequested) {
            pollfd ready{fd, POLLIN, 0};
            ::poll(&ready, 1, 100);
            while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
                const auto type = event->response_type & 0x7F;
                if (type == XCB_CLIENT_MESSAGE) {
                    const auto* reply = reinterpret_cast<xcb_client_message_event_t*>(event);
                    if (reply->type == protocols && reply->data.data32[0] == ping && reply->data.data32[1] == serial)
                        answered = true;
                } else if (type == XCB_DESTROY_NOTIFY &&
                           reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == *window) {
                    stopRequested = true;
                }
                std::free(event);
            }
            if (xcb_connection_has_error(x))
                stopRequested = true;
        }
        if (answered)
            std::fprintf(log, "%.1f %.1f\n", sent, nowMs() - sent);
        std::fflush(log);
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
    }
    std::fclose(log);
    xcb_disconnect(x);
    return 0;
}

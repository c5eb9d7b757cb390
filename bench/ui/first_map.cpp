// Starts a program and tells how long after its start its first top-level
// window was mapped on the X display; with --key, then presses a key in that
// window and tells when the next window was mapped. After --settle
// milliseconds more the program is ended and its peak resident memory told.
//   first_map [--key] [--settle MS] -- PROGRAM [ARGS...]
// prints: first_ms=F second_ms=S peak_kib=P (second_ms only with --key)
//   first_map --probe   only tells, by its exit status, whether the display answers
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr xcb_keycode_t kSpaceKeycode = 65;  // the space bar in Xvfb's default keymap
constexpr int kTimeoutMs = 20000;

double ms_since(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void press_space(xcb_connection_t* c, xcb_window_t root, xcb_window_t w) {
    for (std::uint8_t type : {std::uint8_t(XCB_KEY_PRESS), std::uint8_t(XCB_KEY_RELEASE)}) {
        xcb_key_press_event_t ev{};
        ev.response_type = type;
        ev.detail = kSpaceKeycode;
        ev.time = XCB_CURRENT_TIME;
        ev.root = root;
        ev.event = w;
        ev.child = XCB_NONE;
        ev.same_screen = 1;
        const auto mask =
            type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE;
        xcb_send_event(c, 0, w, mask, reinterpret_cast<const char*>(&ev));
    }
    xcb_flush(c);
}

// Waits for a top-level window other than `except` to be mapped.
xcb_window_t wait_map(xcb_connection_t* c, xcb_window_t except, Clock::time_point deadline) {
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            xcb_window_t mapped = XCB_NONE;
            if ((e->response_type & ~0x80) == XCB_MAP_NOTIFY) {
                auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
                if (!m->override_redirect && m->window != except)
                    mapped = m->window;
            }
            std::free(e);
            if (mapped != XCB_NONE)
                return mapped;
        }
        poll(&fd, 1, 5);
    }
    return XCB_NONE;
}

}  // namespace

int main(int argc, char* argv[]) {
    bool key = false;
    if (argc == 2 && std::strcmp(argv[1], "--probe") == 0) {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        const bool up = !xcb_connection_has_error(c);
        xcb_disconnect(c);
        return up ? 0 : 1;
    }
    int settle_ms = 500;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--key") == 0)
            key = true;
        if (std::strcmp(argv[i], "--settle") == 0 && i + 1 < argc)
            settle_ms = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: first_map [--key] [--settle MS] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    char** command = argv + i + 1;

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_map: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    const Clock::time_point deadline = t0 + std::chrono::milliseconds(kTimeoutMs);
    const xcb_window_t first = wait_map(c, XCB_NONE, deadline);
    const double first_ms = ms_since(t0);
    double second_ms = -1;
    if (first != XCB_NONE && key) {
        press_space(c, root, first);
        if (wait_map(c, first, deadline) != XCB_NONE)
            second_ms = ms_since(t0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    xcb_disconnect(c);
    if (first == XCB_NONE || (key && second_ms < 0)) {
        std::fprintf(stderr, "first_map: no window was mapped in time\n");
        return 1;
    }
    std::printf("first_ms=%.1f", first_ms);
    if (key)
        std::printf(" second_ms=%.1f", second_ms);
    std::printf(" peak_kib=%ld\n", usage.ru_maxrss);
    return 0;
}

// Measures, on a running X server, how long a program takes to map its first
// window after exec, and optionally how long after a key press its next
// window is mapped; then ends the program and reports its peak resident
// memory. Prints one line: "splash_ms=... main_ms=... peak_rss_kb=...".
//
//   startup_probe [--key] [--timeout-ms N] -- program [args...]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the next top-level window to be mapped; returns it, or 0 on timeout.
Window waitForMap(Display* display, Clock::time_point deadline) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return 0;
        timeval tv{static_cast<time_t>(left / 1000000), static_cast<suseconds_t>(left % 1000000)};
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
}

void pressSpaceOver(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), attributes.width / 2, attributes.height / 2,
                          &x, &y, &child);
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    const KeyCode space = XKeysymToKeycode(display, XK_space);
    XTestFakeKeyEvent(display, space, True, CurrentTime);
    XTestFakeKeyEvent(display, space, False, CurrentTime);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
    bool pressKey = false;
    int timeoutMs = 10000;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--key") == 0)
            pressKey = true;
        else if (std::strcmp(argv[first], "--timeout-ms") == 0 && first + 1 < argc)
            timeoutMs = std::atoi(argv[++first]);
        else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: startup_probe [--key] [--timeout-ms N] -- program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    const Window splash = waitForMap(display, deadline);
    const double splashMs = millisecondsSince(start);
    double mainMs = -1;
    if (splash && pressKey) {
        const auto keyTime = Clock::now();
        pressSpaceOver(display, splash);
        if (waitForMap(display, deadline))
            mainMs = millisecondsSince(keyTime);
    }
    // Let the program settle, then end it and collect its peak memory.
    usleep(200 * 1000);
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    XCloseDisplay(display);
    if (!splash) {
        std::fprintf(stderr, "startup_probe: no window was mapped within %d ms\n", timeoutMs);
        return 1;
    }
    std::printf("splash_ms=%.2f main_ms=%.2f peak_rss_kb=%ld\n", splashMs, mainMs, usage.ru_maxrss);
    return pressKey && mainMs < 0 ? 1 : 0;
}

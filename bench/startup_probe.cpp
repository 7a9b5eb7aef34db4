// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, on a running X server, how long a program takes to map its first
// window after exec and to draw into it for the first time, and optionally how
// long after a key press its next window is mapped; then ends the program and
// reports its peak resident memory. Prints one line:
// "splash_ms=... painted_ms=... main_ms=... peak_rss_kb=...".
//
//   startup_probe [--key] [--timeout-ms N] -- program [args...]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
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

// The X events the probe waits for. Every top-level window gets a damage
// object as soon as it is created, before the program can draw into it, so
// the first drawing into a mapped window is seen.
class Watch {
public:
    explicit Watch(Display* display) : display_(display) {
        int error = 0;
        hasDamage_ = XDamageQueryExtension(display, &damageEvent_, &error);
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }

    // The next top-level window mapped, or 0 on timeout.
    Window nextMap(Clock::time_point deadline) {
        Window mapped = 0;
        wait(deadline, [&](const XEvent& event) {
            if (event.type == MapNotify && !event.xmap.override_redirect)
                mapped = event.xmap.window;
            return mapped != 0;
        });
        return mapped;
    }

    // Whether the window was drawn into (since the last call) before the deadline.
    bool firstDrawing(Window window, Clock::time_point deadline) {
        if (!hasDamage_)
            return false;
        if (drawn_ == window)
            return true;
        return wait(deadline, [&](const XEvent&) { return drawn_ == window; });
    }

private:
    template <typename Done> bool wait(Clock::time_point deadline, Done done) {
        const int fd = ConnectionNumber(display_);
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                note(event);
                if (done(event))
                    return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            timeval tv{static_cast<time_t>(left / 1000000), static_cast<suseconds_t>(left % 1000000)};
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            select(fd + 1, &fds, nullptr, nullptr, &tv);
        }
    }

    void note(const XEvent& event) {
        if (!hasDamage_)
            return;
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            XDamageCreate(display_, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display_);
        } else if (event.type == damageEvent_ + XDamageNotify && drawn_ == 0) {
            drawn_ = reinterpret_cast<const XDamageNotifyEvent&>(event).drawable;
        }
    }

    Display* display_;
    bool hasDamage_ = false;
    int damageEvent_ = 0;
    Window drawn_ = 0;
};

void pressSpaceOver(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), attributes.width / 2, attributes.height / 2, &x,
                          &y, &child);
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
    Watch watch(display);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    const Window splash = watch.nextMap(deadline);
    const double splashMs = millisecondsSince(start);
    double paintedMs = -1;
    if (splash && watch.firstDrawing(splash, deadline))
        paintedMs = millisecondsSince(start);
    double mainMs = -1;
    if (splash && pressKey) {
        const auto keyTime = Clock::now();
        pressSpaceOver(display, splash);
        if (watch.nextMap(deadline))
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
    std::printf("splash_ms=%.2f painted_ms=%.2f main_ms=%.2f peak_rss_kb=%ld\n", splashMs, paintedMs, mainMs,
                usage.ru_maxrss);
    return pressKey && mainMs < 0 ? 1 : 0;
}

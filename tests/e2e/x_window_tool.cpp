// Two things the end-to-end scripts need from the X server that xdotool does not do well:
//
//   x_window_tool wait-mapped TITLE TIMEOUT_MS [PID]
//       Prints "ready <µs>" once it listens, then "mapped <window id> <µs>" as soon as a top-level
//       window with exactly this title (and, if given, this _NET_WM_PID) is viewable. The times are
//       microseconds of the real-time clock, comparable with bash's $EPOCHREALTIME. It reacts to the
//       MapNotify event itself, so it can time a start-up; `xdotool search --sync` polls only every
//       half second. Exit status 1 on timeout.
//
//   x_window_tool close WINDOW_ID
//       Asks the window to close the way a window manager's close button does: a WM_DELETE_WINDOW
//       client message. There is no window manager under Xvfb, and xdotool can only destroy the
//       window or kill its client, which is not how a user ends the program.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>

namespace {

long long nowMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

long long monotonicMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A window that vanished between the event and our query raises BadWindow; that only means
// "not our window", so such errors are ignored instead of ending the tool.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string windowTitle(Display* display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &remaining, &data)
            == Success
        && data && type == utf8 && format == 8)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    if (!title.empty())
        return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long windowPid(Display* display, Window window)
{
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(
            display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining, &data)
            == Success
        && data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

bool isWanted(Display* display, Window window, const std::string& title, long pid)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    if (windowTitle(display, window) != title)
        return false;
    return pid <= 0 || windowPid(display, window) == pid;
}

int waitMapped(const std::string& title, long timeoutMs, long pid)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_window_tool: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    // Listen first, then look at what is already there: a window mapped in between is caught
    // by one or the other.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready %lld\n", nowMicroseconds());
    std::fflush(stdout);

    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            if (isWanted(display, children[i], title, pid)) {
                std::printf("mapped %lu %lld\n", children[i], nowMicroseconds());
                XFree(children);
                XCloseDisplay(display);
                return 0;
            }
        }
        if (children)
            XFree(children);
    }

    const long long deadline = monotonicMilliseconds() + timeoutMs;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            const long long mappedAt = nowMicroseconds();
            if (isWanted(display, event.xmap.window, title, pid)) {
                std::printf("mapped %lu %lld\n", event.xmap.window, mappedAt);
                XCloseDisplay(display);
                return 0;
            }
        }
        const long long left = deadline - monotonicMilliseconds();
        if (left <= 0)
            break;
        pollfd descriptor { ConnectionNumber(display), POLLIN, 0 };
        if (poll(&descriptor, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            break;
    }
    XCloseDisplay(display);
    std::fprintf(stderr, "x_window_tool: no window \"%s\" was mapped in %ld ms\n", title.c_str(), timeoutMs);
    return 1;
}

int closeWindow(Window window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_window_tool: cannot open the display\n");
        return 2;
    }
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr,
        "usage: x_window_tool wait-mapped TITLE TIMEOUT_MS [PID]\n"
        "       x_window_tool close WINDOW_ID\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "wait-mapped" && (argc == 4 || argc == 5))
        return waitMapped(
            argv[2], std::strtol(argv[3], nullptr, 10), argc == 5 ? std::strtol(argv[4], nullptr, 10) : 0);
    if (command == "close" && argc == 3)
        return closeWindow(static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
    return usage();
}

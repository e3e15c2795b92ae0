// Closes a window the way a window manager's close button does: waits for a top-level window of
// the given title to appear, then sends it WM_DELETE_WINDOW. Destroying it from outside would be a
// crash, not a close. Exits 0 when the request was sent, 1 when no such window appeared in time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

Window FindWindow(Display* display, Window parent, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, parent, &name) != 0 && name != nullptr) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match)
            return parent;
    }
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; i++)
            found = FindWindow(display, children[i], title);
        if (children != nullptr)
            XFree(children);
    }
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s title wait-seconds linger-seconds\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    const int waitSeconds = std::atoi(argv[2]);
    const int lingerSeconds = std::atoi(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    Window window = 0;
    for (int tries = 0; tries < waitSeconds * 10 && window == 0; tries++) {
        window = FindWindow(display, DefaultRootWindow(display), title);
        if (window == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (window == 0) {
        std::fprintf(stderr, "no window \"%s\" appeared\n", title);
        XCloseDisplay(display);
        return 1;
    }
    // Let the program run its loop for a while before it is asked to close.
    std::this_thread::sleep_for(std::chrono::seconds(lingerSeconds));

    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}

// The real program's window as a player and a window manager see it, for the scripts that run it in Xvfb:
//   x_window find TITLE SECONDS   prints the id of a top-level window of that title once one appears; 1 if none does
//   x_window pixel ID X Y         prints the red, green and blue of a pixel; 1 while it cannot be read (unmapped)
//   x_window close ID             asks the window to close as a window manager's close button does; destroying it
//                                 from outside would be a crash, not a close
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
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
    Window root = 0, up = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; i++)
            found = FindWindow(display, children[i], title);
        if (children != nullptr)
            XFree(children);
    }
    return found;
}

// A window that goes away between two calls is not an error here: the caller asks again.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

int Run(Display* display, const std::string& command, char** args, int count)
{
    if (command == "find" && count == 2) {
        for (int tries = 0; tries < std::atoi(args[1]) * 10; tries++) {
            if (Window window = FindWindow(display, DefaultRootWindow(display), args[0])) {
                std::printf("%lu\n", window);
                return 0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        std::fprintf(stderr, "no window \"%s\" appeared\n", args[0]);
        return 1;
    }
    const Window window = std::strtoul(args[0], nullptr, 10);
    if (command == "pixel" && count == 3) {
        XImage* image = XGetImage(display, window, std::atoi(args[1]), std::atoi(args[2]), 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr)
            return 1;
        const unsigned long pixel = XGetPixel(image, 0, 0);
        std::printf("%lu %lu %lu\n", pixel >> 16 & 0xff, pixel >> 8 & 0xff, pixel & 0xff);
        XDestroyImage(image);
        return 0;
    }
    if (command == "close" && count == 1) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        return 0;
    }
    std::fprintf(stderr, "usage: x_window find TITLE SECONDS | pixel ID X Y | close ID\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Display* display = argc > 2 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr) {
        std::fprintf(stderr, "x_window: no display, or no command\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const int status = Run(display, argv[1], argv + 2, argc - 2);
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}

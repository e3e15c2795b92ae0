// The real program's window as a player and a window manager see it, for the scripts that run it in Xvfb:
//   x_window pixel ID X Y  prints the red, green and blue of a pixel; 1 while it cannot be read (unmapped)
//   x_window close ID      asks the window to close as a window manager's close button does (not destroyed)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A window that goes away between two calls is not an error here: the caller asks again.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

int Run(Display* display, const std::string& command, char** args, int count)
{
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
    if (command != "close" || count != 1)
        return 2;
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

}  // namespace

int main(int argc, char** argv)
{
    Display* display = argc > 2 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr)
        return 2;
    XSetErrorHandler(IgnoreErrors);
    const int status = Run(display, argv[1], argv + 2, argc - 2);
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}

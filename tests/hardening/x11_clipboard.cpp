// Prints the X clipboard's text (UTF-8) to standard output, so that a script can read what a window copied.
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <climits>
#include <cstdio>

namespace {

// Waits for the owner's answer; a generous bound, since the owner may be a busy program.
bool WaitForSelectionNotify(Display* display, XEvent& event)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XNextEvent(display, &event);
            if (event.type == SelectionNotify) {
                return true;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return false;
}

}  // namespace

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("x11_clipboard: cannot open the display\n", stderr);
        return 2;
    }
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom incremental = XInternAtom(display, "INCR", False);
    const Atom property = XInternAtom(display, "TESSARO_CLIPBOARD", False);
    if (XGetSelectionOwner(display, clipboard) == None) {
        std::fputs("x11_clipboard: the clipboard has no owner\n", stderr);
        return 1;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XConvertSelection(display, clipboard, utf8, property, window, CurrentTime);
    XFlush(display);
    XEvent event;
    if (!WaitForSelectionNotify(display, event) || event.xselection.property == None) {
        std::fputs("x11_clipboard: the owner gave no text\n", stderr);
        return 1;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, property, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format, &count,
                       &remaining, &data);
    const bool complete = type != incremental && format == 8;
    if (complete) {
        std::fwrite(data, 1, count, stdout);
    } else {
        std::fputs("x11_clipboard: the text came in pieces (too large for this reader)\n", stderr);
    }
    if (data != nullptr) {
        XFree(data);
    }
    XCloseDisplay(display);
    return complete ? 0 : 1;
}

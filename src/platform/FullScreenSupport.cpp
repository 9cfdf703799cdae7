#include "platform/FullScreenSupport.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
// The window a running EWMH window manager names on the root, or None.
Window SupportingWmCheck(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    Window window = None;
    if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &value) == Success &&
        value && count == 1) {
        window = *reinterpret_cast<Window*>(value);
    }
    if (value) XFree(value);
    return window;
}

bool ListsFullScreenState(Display* display) {
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    bool listed = false;
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM,
                           &type, &format, &count, &after, &value) == Success &&
        value) {
        const Atom* atoms = reinterpret_cast<Atom*>(value);
        for (unsigned long i = 0; i < count && !listed; ++i) listed = atoms[i] == fullScreen;
    }
    if (value) XFree(value);
    return listed;
}
}  // namespace

bool WindowManagerGrantsFullScreen() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const bool grants = SupportingWmCheck(display) != None && ListsFullScreenState(display);
    XCloseDisplay(display);
    return grants;
}

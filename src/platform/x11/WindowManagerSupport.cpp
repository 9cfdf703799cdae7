#include "platform/x11/WindowManagerSupport.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

#include "platform/x11/WindowProperty.h"

WindowManagerSupport AskWindowManager() {
    WindowManagerSupport support;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return support;
    const Window root = DefaultRootWindow(display);
    support.runs = !WindowProperty32(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
    const std::vector<unsigned long> supported =
        WindowProperty32(display, root, "_NET_SUPPORTED", XA_ATOM);
    const auto supports = [&](const char* hint) {
        const Atom atom = XInternAtom(display, hint, False);
        return support.runs &&
               std::find(supported.begin(), supported.end(), atom) != supported.end();
    };
    support.fullScreen = supports("_NET_WM_STATE_FULLSCREEN");
    support.keepsBelow = supports("_NET_WM_WINDOW_TYPE_DESKTOP") || supports("_NET_WM_STATE_BELOW");
    XCloseDisplay(display);
    return support;
}

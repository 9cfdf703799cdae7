#include "platform/x11/FullScreenSupport.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

namespace {
// The items of a 32-bit property of the root window (windows, atoms); none
// when it is not set.
std::vector<unsigned long> RootProperty(Display* display, const char* name, Atom type) {
    constexpr long kMostItems = 4096;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, name, False),
                           0, kMostItems, False, type, &actualType, &format, &count, &after,
                           &value) == Success &&
        value && format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* first = reinterpret_cast<const unsigned long*>(value);
        items.assign(first, first + count);
    }
    if (value) XFree(value);
    return items;
}
}  // namespace

bool WindowManagerGrantsFullScreen() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const bool managerRuns = !RootProperty(display, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
    const std::vector<unsigned long> supported = RootProperty(display, "_NET_SUPPORTED", XA_ATOM);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XCloseDisplay(display);
    return managerRuns &&
           std::find(supported.begin(), supported.end(), fullScreen) != supported.end();
}

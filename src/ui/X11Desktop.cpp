#include "ui/X11Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/x11/WindowProperty.h"

namespace {
Display* ourDisplay = nullptr;
XErrorHandler otherHandler = nullptr;

// A window may go between the stacking list and a question about it: such
// failures on our connection are expected; the toolkit's go to its handler.
int IgnoreOurErrors(Display* display, XErrorEvent* error) {
    if (display == ourDisplay) return 0;
    return otherHandler ? otherHandler(display, error) : 0;
}

}  // namespace

struct X11Desktop::Native {
    Display* display;
};

X11Desktop::X11Desktop() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    native_ = std::make_unique<Native>(Native{display});
    ourDisplay = display;
    otherHandler = XSetErrorHandler(IgnoreOurErrors);
}

X11Desktop::~X11Desktop() {
    if (!native_) return;
    XCloseDisplay(native_->display);
    ourDisplay = nullptr;
}

std::vector<Monitor> X11Desktop::Monitors() const {
    if (!native_) return {};
    Display* display = native_->display;
    std::vector<Monitor> monitors;
    int eventBase = 0, errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase)) {
        int count = 0;
        XRRMonitorInfo* listed = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
        for (int i = 0; i < count; ++i) {
            char* name = XGetAtomName(display, listed[i].name);
            monitors.push_back(
                {name ? name : "", {listed[i].x, listed[i].y, listed[i].width, listed[i].height}});
            if (name) XFree(name);
        }
        if (listed) XRRFreeMonitors(listed);
    }
    if (monitors.empty()) {
        const int screen = DefaultScreen(display);
        monitors.push_back(
            {"screen", {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)}});
    }
    return monitors;
}

void X11Desktop::PointerPosition(int& x, int& y) const {
    x = y = 0;
    if (!native_) return;
    Window root = None, child = None;
    int windowX = 0, windowY = 0;
    unsigned mask = 0;
    XQueryPointer(native_->display, DefaultRootWindow(native_->display), &root, &child, &x, &y,
                  &windowX, &windowY, &mask);
}

std::vector<PixelRect> X11Desktop::WindowsAbove(unsigned long window) const {
    if (!native_) return {};
    Display* display = native_->display;
    const Window root = DefaultRootWindow(display);
    const std::vector<unsigned long> stacking =
        WindowProperty32(display, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    const auto ours = std::find(stacking.begin(), stacking.end(), window);
    if (ours == stacking.end()) return {};
    std::vector<PixelRect> above;
    for (auto other = ours + 1; other != stacking.end(); ++other) {
        XWindowAttributes attributes{};
        // Minimised windows stay listed but are not viewable.
        if (!XGetWindowAttributes(display, *other, &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        int x = 0, y = 0;
        Window child = None;
        if (!XTranslateCoordinates(display, *other, root, 0, 0, &x, &y, &child)) continue;
        PixelRect area{x, y, attributes.width, attributes.height};
        const std::vector<unsigned long> frame =
            WindowProperty32(display, *other, "_NET_FRAME_EXTENTS", XA_CARDINAL);
        if (frame.size() == 4) {
            area = {x - static_cast<int>(frame[0]), y - static_cast<int>(frame[2]),
                    area.width + static_cast<int>(frame[0] + frame[1]),
                    area.height + static_cast<int>(frame[2] + frame[3])};
        }
        above.push_back(area);
    }
    return above;
}

#include "platform/x11/WindowProperty.h"

std::vector<unsigned long> WindowProperty32(Display* display, Window window, const char* name,
                                            Atom type) {
    constexpr long kMostItems = 4096;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, kMostItems, False,
                           type, &actualType, &format, &count, &after, &value) == Success &&
        value && format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* first = reinterpret_cast<const unsigned long*>(value);
        items.assign(first, first + count);
    }
    if (value) XFree(value);
    return items;
}

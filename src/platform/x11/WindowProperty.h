#pragma once

#include <X11/Xlib.h>

#include <vector>

// The 32-bit items (windows, atoms, cardinals) of a window's property of
// `type`; none when it is not set, has another form, or the window is gone.
std::vector<unsigned long> WindowProperty32(Display* display, Window window, const char* name,
                                            Atom type);

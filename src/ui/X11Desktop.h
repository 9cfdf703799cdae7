#pragma once

#include <memory>
#include <vector>

#include "core/desktop/Monitors.h"

// The X desktop seen through a connection of its own, apart from the
// toolkit's: the monitors as RandR lists them, the pointer, and the windows
// the window manager stacks above one of ours. Requests about windows that
// vanish meanwhile fail quietly.
class X11Desktop {
  public:
    // On the display in $DISPLAY; Connected() says whether it could be opened.
    X11Desktop();
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool Connected() const { return native_ != nullptr; }
    // In RandR's order (xrandr --listmonitors); the whole screen as one
    // monitor where RandR names none.
    std::vector<Monitor> Monitors() const;
    // Where the pointer is, in screen pixels.
    void PointerPosition(int& x, int& y) const;
    // Where the shown windows stacked above the top-level window lie, their
    // frames included, from the window manager's stacking list. None without
    // a window manager, or when it does not list the window.
    std::vector<PixelRect> WindowsAbove(unsigned long window) const;

  private:
    struct Native;
    std::unique_ptr<Native> native_;
};

#pragma once

#include "core/scene/ScreenSize.h"

// Where a tank is drawn: the program's own window, or a window someone else
// owns (the screensaver's).
class RenderSurface {
  public:
    virtual ~RenderSurface() = default;
    // False when there is nothing to draw on (not yet, or no longer).
    virtual bool MakeCurrent() = 0;
    // Puts the frame just drawn on screen.
    virtual void ShowFrame() = 0;
    // The size of the surface now, in pixels.
    virtual ScreenSize PixelSize() const = 0;
    // Whether frames are worth drawing: on screen and not minimised.
    virtual bool Visible() const { return true; }
};

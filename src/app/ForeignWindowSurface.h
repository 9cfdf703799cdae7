#pragma once

#include <string>

#include "core/runner/RenderSurface.h"
#include "platform/x11/ForeignX11Window.h"

// The screensaver's surface: the tank drawn on an X window someone else owns.
class ForeignWindowSurface : public RenderSurface {
  public:
    // See ForeignX11Window: Ok() says whether the context is current on the window.
    explicit ForeignWindowSurface(unsigned long windowId) : window_(windowId) {}

    bool Ok() const { return window_.Ok(); }
    const std::string& Problem() const { return window_.Problem(); }
    // Handles the window's pending events; false once the window is gone.
    bool ProcessEvents() { return window_.ProcessEvents(); }

    // The context was made current on the window once, for good.
    bool MakeCurrent() override { return Ok(); }
    void ShowFrame() override { window_.ShowFrame(); }
    ScreenSize PixelSize() const override { return {window_.Width(), window_.Height()}; }

  private:
    ForeignX11Window window_;
};

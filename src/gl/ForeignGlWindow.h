#pragma once

#include <memory>
#include <string>

#include "core/runner/RenderSurface.h"

// A GL context drawing into an X window that someone else made and owns: the
// root window, or the window xscreensaver hands its screensavers. Its size is
// followed and its destruction noticed; it is never moved, resized, mapped or
// destroyed from here.
class ForeignGlWindow : public RenderSurface {
  public:
    // Opens $DISPLAY and makes a context current on the window (0 for the
    // root window of the default screen). Ok() says whether that worked;
    // Problem() says why not.
    explicit ForeignGlWindow(unsigned long windowId);
    ~ForeignGlWindow() override;
    ForeignGlWindow(const ForeignGlWindow&) = delete;
    ForeignGlWindow& operator=(const ForeignGlWindow&) = delete;

    bool Ok() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

    // Handles the window's pending events; false once the window is gone.
    bool ProcessEvents();
    // The context was made current on the window once, for good.
    bool MakeCurrent() override { return Ok(); }
    void ShowFrame() override;
    ScreenSize PixelSize() const override { return {width_, height_}; }

  private:
    struct Native;
    std::unique_ptr<Native> native_;
    std::string problem_;
    int width_ = 0;
    int height_ = 0;
};

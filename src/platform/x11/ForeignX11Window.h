#pragma once

#include <memory>
#include <string>

// A GL context drawing into an X window that someone else made and owns: the
// root window, or the window xscreensaver hands its screensavers. Its size is
// followed and its destruction noticed; it is never moved, resized, mapped or
// destroyed from here.
class ForeignX11Window {
  public:
    // Opens $DISPLAY and makes a context current on the window (0 for the
    // root window of the default screen). Ok() says whether that worked;
    // Problem() says why not.
    explicit ForeignX11Window(unsigned long windowId);
    ~ForeignX11Window();
    ForeignX11Window(const ForeignX11Window&) = delete;
    ForeignX11Window& operator=(const ForeignX11Window&) = delete;

    bool Ok() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }

    // Handles the window's pending events; false once the window is gone.
    bool ProcessEvents();
    // Puts the frame just drawn on screen.
    void ShowFrame();
    // The window's size now, in pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    struct Native;
    std::unique_ptr<Native> native_;
    std::string problem_;
    int width_ = 0;
    int height_ = 0;
};

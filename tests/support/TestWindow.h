#pragma once

#include <string>

#include <X11/Xlib.h>

#include "support/AppSession.h"

// A plain window of the test's own on a test's X server: a host for the
// screensaver, or a normal application window for the window manager to place.
class TestWindow {
  public:
    TestWindow(const XServer& server, int x, int y, int width, int height,
               const std::string& title = "test window");
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    unsigned long Id() const { return window_; }
    // Asks the window manager to make it full screen on the monitor it is on.
    void MakeFullScreen();
    void Destroy();

  private:
    ::Display* display_;
    Window window_;
};

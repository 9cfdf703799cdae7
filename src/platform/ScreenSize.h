#pragma once

class wxWindow;

struct ScreenSize {
    int width;
    int height;
};

// Size in pixels of the display that shows the window (the primary display
// when the window is not on any yet).
ScreenSize ScreenSizeOf(const wxWindow* window);

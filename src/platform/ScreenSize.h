#pragma once

class wxWindow;

class wxRect;

struct ScreenSize {
    int width;
    int height;
};

// Where, in pixels, the display that shows the window lies (the primary
// display when the window is not on any yet).
wxRect DisplayGeometryOf(const wxWindow* window);

// Size in pixels of that display.
ScreenSize ScreenSizeOf(const wxWindow* window);

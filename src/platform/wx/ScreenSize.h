#pragma once

class wxRect;
class wxWindow;

// Pixels across and down: the client area the tank is drawn in, which is the
// whole screen where the window manager grants full screen.
struct ScreenSize {
    int width;
    int height;
};

// Where, in pixels, the display that shows the window lies (the primary
// display when the window is not on any yet).
wxRect DisplayGeometryOf(const wxWindow* window);

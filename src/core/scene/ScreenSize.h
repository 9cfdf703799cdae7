#pragma once

// Pixels across and down: the client area the tank is drawn in, which is the
// whole screen where the window manager grants full screen.
struct ScreenSize {
    int width;
    int height;
};

#pragma once

// What the window manager on the default X display says it does (EWMH
// _NET_SUPPORTED); all false when none runs.
struct WindowManagerSupport {
    bool runs = false;
    // Takes requests for full screen. Without it, asking would only make the
    // toolkit stretch the window a pixel past the screen's edges.
    bool fullScreen = false;
    // Keeps a desktop-type or a keep-below window under the others. Weston's
    // Xwayland window manager does neither.
    bool keepsBelow = false;
};

WindowManagerSupport AskWindowManager();

#pragma once

// True when a window manager runs on the default X display and takes requests
// for full screen (EWMH _NET_WM_STATE_FULLSCREEN). Without one, asking would
// only make the toolkit stretch the window a pixel past the screen's edges.
bool WindowManagerGrantsFullScreen();

#pragma once

#include <optional>

#include "core/TankOverrides.h"

// Screensaver mode: the tank drawn into a window that is not ours (0 for the
// root window), the xscreensaver way. No frame, help text, menu or dialogs and
// no single-instance guards: xscreensaver runs a preview and the full screen
// side by side. The settings, the user's background pictures included, are
// read but never written. Returns the process status: 0 once the window goes
// or SIGTERM or SIGINT arrives, 1 when there is no window to draw into.
// `maxFps` as the command line gave it: 0 for no limit, nothing for 60 frames
// a second; `overrides` change the settings for this run.
int RunScreensaver(unsigned long windowId, std::optional<int> maxFps,
                   const TankOverrides& overrides);

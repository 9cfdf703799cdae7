#pragma once

// Command ids of the popup menu. The scene keeps the last id it received as the
// current interaction mode.
enum CommandId : int {
    kCommandAddDeleteFish = 1034,
    kCommandTouch = 1035,
    kCommandFeed = 1036,
    kCommandZoomIn = 1037,
    kCommandZoomOut = 1038,
    kCommandExit = 1042,
    kCommandCatch = 1047,
    kCommandCustomMusic = 1050,
    kCommandCustomBackground = 1052,
    // No command: the mode of a tank nobody points at (the screensaver), in
    // which no frame step follows a pointer: no net, no picks, nothing caught.
    kModeNoPointer = 0,
};

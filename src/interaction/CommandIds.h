#pragma once

// Command ids of the popup menu. The view keeps the last id it received as the
// current interaction mode.
enum CommandId : int {
    kCommandTouch = 1035,
    kCommandFeed = 1036,
    kCommandZoomIn = 1037,
    kCommandZoomOut = 1038,
    kCommandExit = 1042,
    kCommandCatch = 1047,
};

#pragma once

#include <optional>

// What the command line changes for one run, over the settings file, which
// they never reach: unset, the file says.
struct TankOverrides {
    std::optional<int> fish;      // 0 to kSchoolSlots, dealt in the settings file's proportions
    std::optional<bool> bubbles;  // true: the file's amount, or the default when it has none
    std::optional<bool> wall;     // true: the wall is shown, whatever the file says
    bool frameRate = false;       // the frame-rate readout in the bottom-left corner
    bool dayNight = false;        // true: the light follows the time of day, whatever the file says
    bool clock = false;           // true: a clock in the tank, whatever the file says
};

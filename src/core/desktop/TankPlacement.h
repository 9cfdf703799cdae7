#pragma once

#include <optional>
#include <vector>

#include "core/desktop/Monitors.h"

// Where the program's own tanks go.
enum class Placement {
    kPointerMonitor,  // full screen on the monitor under the pointer
    kOneMonitor,      // full screen on the monitor chosen by number
    kAllMonitors,     // full screen on every monitor, a tank on each
    kWallpaper,       // under every window on every monitor, as the desktop's background
};

struct TankPlacement {
    Placement placement = Placement::kPointerMonitor;
    int monitor = 0;  // counted from 0 in RandR's order, for kOneMonitor

    bool operator==(const TankPlacement& other) const {
        return placement == other.placement &&
               (placement != Placement::kOneMonitor || monitor == other.monitor);
    }
};

// The monitors that get a tank, in RandR's order. A chosen number that names
// no monitor (the settings file's, from a desktop that had more) falls back to
// the pointer's monitor; the command line's is checked with NamesAMonitor
// first. Empty only when there is no monitor.
std::vector<Monitor> MonitorsForTanks(const TankPlacement& placement,
                                      const std::vector<Monitor>& monitors, int pointerX,
                                      int pointerY);

bool NamesAMonitor(int number, const std::vector<Monitor>& monitors);

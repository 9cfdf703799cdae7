#pragma once

#include <optional>

#include "core/desktop/TankPlacement.h"
#include "core/settings/ProfileText.h"

// Section "Velmar": what the program offers beyond the design's keys.
//   Monitor=N        the tank on monitor N (absent or empty: the pointer's monitor)
//   AllMonitors=1    a tank on every monitor
//   Wallpaper=1      the tanks as the desktop's wallpaper (wins over the others)
//   WallpaperMusic=1 the built-in tune plays under the wallpaper too
//   Tune=0           the built-in tune stays silent
//   HelpText=0       no help text at start
//   MaxFps=N         at most N frames a second (absent or empty: the display's pace)
//   DayNight=1       the light follows the local time of day
//   Clock=1          a clock shows the local time in the tank
// A value that is no plain number, or a flag other than 0 or 1, reads as absent.
struct VelmarSettings {
    TankPlacement placement;
    bool wallpaperMusic = false;
    bool tune = true;
    bool helpText = true;
    std::optional<int> maxFps;
    bool dayNight = false;
    bool clock = false;
};

VelmarSettings ReadVelmarSettings(const ProfileText& profile);
// Every key of the section, so that a file shows what can be set.
void WriteVelmarSettings(const VelmarSettings& settings, ProfileText& profile);

#pragma once

#include "core/desktop/TankPlacement.h"
#include "core/settings/ProfileText.h"

// Section "Velmar": where the tanks go and how the wallpaper sounds.
//   Monitor=N        the tank on monitor N (absent: the pointer's monitor)
//   AllMonitors=1    a tank on every monitor
//   Wallpaper=1      the tanks as the desktop's wallpaper (wins over the others)
//   WallpaperMusic=1 the built-in tune plays under the wallpaper too
// A value that is no plain number, or a flag other than 0 or 1, reads as absent.
struct VelmarSettings {
    TankPlacement placement;
    bool wallpaperMusic = false;
};

VelmarSettings ReadVelmarSettings(const ProfileText& profile);

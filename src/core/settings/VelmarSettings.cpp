#include "core/settings/VelmarSettings.h"

#include <optional>
#include <string>

#include "core/PlainNumber.h"
#include "core/settings/SettingsFile.h"

namespace {
bool FlagSet(const ProfileSection& section, const char* key) {
    return ParsePlainNumber<int>(section.Get(key)) == 1;
}
}  // namespace

VelmarSettings ReadVelmarSettings(const ProfileText& profile) {
    const ProfileSection section = profile.ReadSection(kVelmarSection);
    VelmarSettings settings;
    if (FlagSet(section, "Wallpaper")) {
        settings.placement.placement = Placement::kWallpaper;
    } else if (FlagSet(section, "AllMonitors")) {
        settings.placement.placement = Placement::kAllMonitors;
    } else if (const std::optional<int> monitor = ParsePlainNumber<int>(section.Get("Monitor"))) {
        settings.placement = {Placement::kOneMonitor, *monitor};
    }
    settings.wallpaperMusic = FlagSet(section, "WallpaperMusic");
    return settings;
}

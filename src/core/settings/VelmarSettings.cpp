#include "core/settings/VelmarSettings.h"

#include <string>
#include <utility>
#include <vector>

#include "core/PlainNumber.h"
#include "core/settings/SettingsFile.h"

namespace {
bool Flag(const ProfileSection& section, const char* key, bool absent) {
    const std::optional<int> value = ParsePlainNumber<int>(section.Get(key));
    return value == 0 || value == 1 ? *value == 1 : absent;
}

std::string FlagText(bool on) {
    return on ? "1" : "0";
}
}  // namespace

VelmarSettings ReadVelmarSettings(const ProfileText& profile) {
    const ProfileSection section = profile.ReadSection(kVelmarSection);
    VelmarSettings settings;
    if (Flag(section, "Wallpaper", false)) {
        settings.placement.placement = Placement::kWallpaper;
    } else if (Flag(section, "AllMonitors", false)) {
        settings.placement.placement = Placement::kAllMonitors;
    } else if (const std::optional<int> monitor = ParsePlainNumber<int>(section.Get("Monitor"))) {
        settings.placement = {Placement::kOneMonitor, *monitor};
    }
    settings.wallpaperMusic = Flag(section, "WallpaperMusic", false);
    settings.tune = Flag(section, "Tune", true);
    settings.helpText = Flag(section, "HelpText", true);
    const std::optional<int> maxFps = ParsePlainNumber<int>(section.Get("MaxFps"));
    if (maxFps && *maxFps > 0) settings.maxFps = maxFps;
    settings.dayNight = Flag(section, "DayNight", false);
    settings.clock = Flag(section, "Clock", false);
    return settings;
}

void WriteVelmarSettings(const VelmarSettings& settings, ProfileText& profile) {
    const Placement placement = settings.placement.placement;
    const bool oneMonitor = placement == Placement::kOneMonitor;
    profile.SetAll(kVelmarSection,
                   {{"Monitor", oneMonitor ? std::to_string(settings.placement.monitor) : ""},
                    {"AllMonitors", FlagText(placement == Placement::kAllMonitors)},
                    {"Wallpaper", FlagText(placement == Placement::kWallpaper)},
                    {"WallpaperMusic", FlagText(settings.wallpaperMusic)},
                    {"Tune", FlagText(settings.tune)},
                    {"HelpText", FlagText(settings.helpText)},
                    {"MaxFps", settings.maxFps ? std::to_string(*settings.maxFps) : ""},
                    {"DayNight", FlagText(settings.dayNight)},
                    {"Clock", FlagText(settings.clock)}});
}

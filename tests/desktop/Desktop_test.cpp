#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/desktop/Coverage.h"
#include "core/desktop/TankPlacement.h"
#include "core/settings/VelmarSettings.h"

namespace {
// Two monitors side by side, the second taller, as RandR lists them.
const std::vector<Monitor> kMonitors = {{"DP-1", {0, 0, 1280, 800}},
                                        {"HDMI-1", {1280, 0, 1920, 1080}}};

std::vector<std::string> Names(const std::vector<Monitor>& monitors) {
    std::vector<std::string> names;
    for (const Monitor& monitor : monitors) names.push_back(monitor.name);
    return names;
}
}  // namespace

TEST(TankPlacement, ChoosesThePointersTheNumberedOrEveryMonitor) {
    const struct {
        TankPlacement placement;
        int pointerX, pointerY;
        std::vector<std::string> monitors;
    } cases[] = {
        {{Placement::kPointerMonitor}, 10, 10, {"DP-1"}},
        {{Placement::kPointerMonitor}, 1280, 0, {"HDMI-1"}},
        {{Placement::kPointerMonitor}, 3199, 1079, {"HDMI-1"}},
        // Below the shorter monitor, on neither.
        {{Placement::kPointerMonitor}, 100, 900, {"DP-1"}},
        {{Placement::kOneMonitor, 1}, 10, 10, {"HDMI-1"}},
        // A number from a desktop that had more monitors: the pointer's.
        {{Placement::kOneMonitor, 2}, 2000, 10, {"HDMI-1"}},
        {{Placement::kAllMonitors}, 2000, 10, {"DP-1", "HDMI-1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.placement.placement));
        EXPECT_EQ(Names(MonitorsForTanks(c.placement, kMonitors, c.pointerX, c.pointerY)),
                  c.monitors);
    }
    EXPECT_TRUE(MonitorsForTanks({Placement::kAllMonitors}, {}, 0, 0).empty());
    EXPECT_TRUE(NamesAMonitor(1, kMonitors));
    EXPECT_FALSE(NamesAMonitor(2, kMonitors));
    EXPECT_FALSE(NamesAMonitor(-1, kMonitors));
}

TEST(Coverage, AnAreaIsCoveredOnlyWhenTheWindowsTogetherLeaveNoPixel) {
    const PixelRect area{1280, 0, 1920, 1080};
    const struct {
        const char* what;
        std::vector<PixelRect> above;
        bool covered;
    } cases[] = {
        {"nothing above", {}, false},
        {"a larger window", {{0, -30, 4000, 2000}}, true},
        {"one pixel short on the right", {{1280, 0, 1919, 1080}}, false},
        {"two halves", {{1280, 0, 960, 1080}, {2240, 0, 960, 1080}}, true},
        {"two halves a column apart", {{1280, 0, 960, 1080}, {2241, 0, 959, 1080}}, false},
        {"four overlapping quarters",
         {{1280, 0, 1000, 600},
          {2200, 0, 1000, 600},
          {1280, 500, 1000, 580},
          {2200, 500, 1000, 580}},
         true},
        {"a frame around a hole",
         {{1280, 0, 1920, 100}, {1280, 980, 1920, 100}, {1280, 0, 100, 1080}, {3100, 0, 100, 1080}},
         false},
        {"the other monitor's window", {{0, 0, 1280, 800}}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(WhollyCovered(area, c.above), c.covered) << c.what;
}

TEST(VelmarSettings, ThePlacementAndFlagKeysWithWallpaperFirstAndJunkAsAbsent) {
    const struct {
        const char* section;
        TankPlacement placement;
        bool wallpaperMusic;
        bool dayNightAndClock = false;
    } cases[] = {
        {"DayNight=1\nClock=1\n", {Placement::kPointerMonitor}, false, true},
        {"Monitor=1\n", {Placement::kOneMonitor, 1}, false},
        {"monitor = 0\nAllMonitors=1\n", {Placement::kAllMonitors}, false},
        {"Monitor=1\nAllMonitors=1\nWallpaper=1\nWallpaperMusic=1\n",
         {Placement::kWallpaper},
         true},
        {"Monitor=-1\nAllMonitors=yes\nWallpaper=2\nWallpaperMusic=1x\nDayNight=2\nClock=on\n",
         {Placement::kPointerMonitor},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const VelmarSettings read = ReadVelmarSettings(
            ProfileText(std::string("[Aquarium Settings]\nMonitor=1\n[Velmar]\n") + c.section));
        EXPECT_EQ(read.placement, c.placement);
        EXPECT_EQ(read.wallpaperMusic, c.wallpaperMusic);
        EXPECT_EQ(read.dayNight, c.dayNightAndClock);
        EXPECT_EQ(read.clock, c.dayNightAndClock);
    }
}

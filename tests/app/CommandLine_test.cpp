#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "core/CommandLine.h"

namespace {
using Action = CommandLine::Action;

CommandLine Parse(std::vector<const char*> options) {
    options.insert(options.begin(), "velmar");
    return ParseCommandLine(static_cast<int>(options.size()), options.data());
}
}  // namespace

TEST(CommandLine, ReadsTheModesThePlacementThePaceAndTheTankAndRefusesEverythingElse) {
    const struct {
        std::vector<const char*> options;
        Action action;
        bool root;
        std::optional<unsigned long> windowId;
        std::optional<int> maxFps;
        std::string error;  // a part of the one-line error
        std::optional<TankPlacement> placement = {};
        TankOverrides overrides = {};
    } cases[] = {
        {{}, Action::Run, false, {}, {}, ""},
        {{"-root"}, Action::Run, true, {}, {}, ""},
        {{"--root", "--max-fps", "30"}, Action::Run, true, {}, 30, ""},
        {{"-window-id", "0x1a00007"}, Action::Run, false, 0x1a00007, {}, ""},
        {{"--window-id", "4194311", "--max-fps", "0"}, Action::Run, false, 4194311, 0, ""},
        {{"--max-fps", "5", "--max-fps", "60"}, Action::Run, false, {}, 60, ""},
        {{"--help"}, Action::Help, false, {}, {}, ""},
        {{"-root", "--version", "--bogus"}, Action::Version, true, {}, {}, ""},
        {{"--bogus", "--help"}, Action::UsageError, false, {}, {}, "unknown option '--bogus'"},
        {{"root"}, Action::UsageError, false, {}, {}, "'root'"},
        {{"-window-id"}, Action::UsageError, false, {}, {}, "needs a window id"},
        {{"--max-fps"}, Action::UsageError, false, {}, {}, "--max-fps needs"},
        {{"--max-fps", "-1"}, Action::UsageError, false, {}, {}, "'-1'"},
        {{"--max-fps", "2.5"}, Action::UsageError, false, {}, {}, "'2.5'"},
        {{"--max-fps", "99999999999"}, Action::UsageError, false, {}, {}, "'99999999999'"},
        // xscreensaver's preview: the window wins.
        {{"--root", "--window-id", "0x7"}, Action::Run, true, 7, {}, ""},
        {{"-delay", "20000"}, Action::Run, false, {}, 50, ""},
        {{"--max-fps", "30", "-delay", "3000000"}, Action::Run, false, {}, 1, ""},
        {{"-delay", "-5"}, Action::UsageError, false, {}, {}, "microseconds, a whole number"},
        {{"-fish", "0", "-no-bubbles", "--wall", "-fps"},
         Action::Run,
         false,
         {},
         {},
         "",
         {},
         {0, false, true, true}},
        {{"--fish", "200", "-no-bubbles", "-bubbles", "-wall", "-no-wall", "-daynight", "--clock"},
         Action::Run,
         false,
         {},
         {},
         "",
         {},
         {200, true, false, false, true, true}},
        {{"-fish", "201"}, Action::UsageError, false, {}, {}, "from 0 to 200, not '201'"},
        {{"-fish"}, Action::UsageError, false, {}, {}, "-fish needs a number of fish"},
        {{"--monitor", "1"}, Action::Run, false, {}, {}, "", {{Placement::kOneMonitor, 1}}},
        {{"-all-monitors", "-max-fps", "20"},
         Action::Run,
         false,
         {},
         20,
         "",
         {{Placement::kAllMonitors}}},
        {{"-wallpaper"}, Action::Run, false, {}, {}, "", {{Placement::kWallpaper}}},
        {{"--monitor", "-1"}, Action::UsageError, false, {}, {}, "'-1'"},
        {{"--wallpaper", "--monitor", "0"}, Action::UsageError, false, {}, {}, "only one"},
        {{"-root", "--all-monitors"}, Action::UsageError, false, {}, {}, "own window"},
    };
    for (const auto& c : cases) {
        const std::string joined =
            std::accumulate(c.options.begin(), c.options.end(), std::string(),
                            [](std::string all, const char* o) { return all + o + " "; });
        SCOPED_TRACE(joined);
        const CommandLine parsed = Parse(c.options);
        EXPECT_EQ(parsed.action, c.action);
        if (c.action == Action::UsageError) {
            EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
            continue;
        }
        EXPECT_EQ(parsed.root, c.root);
        EXPECT_EQ(parsed.windowId, c.windowId);
        EXPECT_EQ(parsed.maxFps, c.maxFps);
        EXPECT_EQ(parsed.placement, c.placement);
        EXPECT_EQ(parsed.overrides.fish, c.overrides.fish);
        EXPECT_EQ(parsed.overrides.bubbles, c.overrides.bubbles);
        EXPECT_EQ(parsed.overrides.wall, c.overrides.wall);
        EXPECT_EQ(parsed.overrides.frameRate, c.overrides.frameRate);
        EXPECT_EQ(parsed.overrides.dayNight, c.overrides.dayNight);
        EXPECT_EQ(parsed.overrides.clock, c.overrides.clock);
    }
}

TEST(CommandLine, WindowIdsAreDecimalOrHexNonZeroAndFitInThirtyTwoBits) {
    const std::pair<const char*, unsigned long> ids[] = {
        {"12", 12},          {"0x2E00001", 0x2E00001}, {"0XfF", 255},
        {"4294967295", ~0u}, {"0xFFFFFFFF", ~0u},      {"017", 17},
    };
    for (const auto& [text, id] : ids) EXPECT_EQ(ParseWindowId(text), id) << text;
    for (const char* text : {"4294967296", "0x100000000", "0", "0x0", "0x", "", "-5", "+5", " 5",
                             "5 ", "12abc", "0x-1"}) {
        EXPECT_EQ(ParseWindowId(text), std::nullopt) << '"' << text << '"';
    }
}

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/CommandLine.h"

namespace {
CommandLine Parse(std::vector<const char*> options) {
    options.insert(options.begin(), "velmar");
    return ParseCommandLine(static_cast<int>(options.size()), options.data());
}

template <typename T>
std::string Shown(const char* name, const std::optional<T>& value) {
    return value ? std::string(" ") + name + "=" + std::to_string(*value) : "";
}

// What a run was told, in one line: "root", "window=", "fps=", "place=" (the
// placement's number and monitor), then the tank's overrides.
std::string Summary(const CommandLine& parsed) {
    const TankOverrides& tank = parsed.overrides;
    std::string text = parsed.root ? "root" : "";
    text += Shown("window", parsed.windowId) + Shown("fps", parsed.maxFps);
    if (parsed.placement) {
        text += " place=" + std::to_string(static_cast<int>(parsed.placement->placement)) +
                std::to_string(parsed.placement->monitor);
    }
    text += Shown("fish", tank.fish) + Shown("bubbles", tank.bubbles) + Shown("wall", tank.wall);
    for (const auto& [on, name] : {std::pair{tank.frameRate, " readout"},
                                   {tank.dayNight, " daynight"},
                                   {tank.clock, " clock"}}) {
        if (on) text += name;
    }
    return text;
}
}  // namespace

TEST(CommandLine, ReadsTheModesThePlacementThePaceAndTheTank) {
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{}, ""},
        {{"-root"}, "root"},
        {{"--root", "--max-fps", "30"}, "root fps=30"},
        {{"-window-id", "0x1a00007"}, " window=27262983"},
        {{"--window-id", "4194311", "--max-fps", "0"}, " window=4194311 fps=0"},
        // xscreensaver's preview: the window wins.
        {{"--root", "--window-id", "0x7"}, "root window=7"},
        {{"-delay", "20000"}, " fps=50"},
        {{"--max-fps", "30", "-delay", "3000000"}, " fps=1"},
        {{"-fish", "0", "-no-bubbles", "--wall", "-fps"}, " fish=0 bubbles=0 wall=1 readout"},
        {{"--fish", "200", "-no-bubbles", "-bubbles", "-wall", "-no-wall", "-daynight", "--clock"},
         " fish=200 bubbles=1 wall=0 daynight clock"},
        {{"--monitor", "1"}, " place=11"},
        {{"-all-monitors", "-max-fps", "20"}, " fps=20 place=20"},
        {{"-wallpaper"}, " place=30"},
    };
    for (const auto& [options, summary] : cases) {
        const CommandLine parsed = Parse(options);
        EXPECT_EQ(parsed.action, CommandLine::Action::Run) << summary;
        EXPECT_EQ(Summary(parsed), summary);
    }
    EXPECT_EQ(Parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(Parse({"-root", "--version", "--bogus"}).action, CommandLine::Action::Version);
}

// The error is one line that names what was wrong.
TEST(CommandLine, RefusesEverythingElseInOneLine) {
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{"--bogus", "--help"}, "unknown option '--bogus'"},
        {{"root"}, "'root'"},
        {{"--max-fps"}, "--max-fps needs"},
        {{"--max-fps", "-1"}, "'-1'"},
        {{"--max-fps", "99999999999"}, "'99999999999'"},
        {{"-delay", "-5"}, "microseconds, a whole number"},
        {{"-fish", "201"}, "from 0 to 200, not '201'"},
        {{"--wallpaper", "--monitor", "0"}, "only one"},
        {{"-root", "--all-monitors"}, "own window"},
    };
    for (const auto& [options, error] : cases) {
        const CommandLine parsed = Parse(options);
        EXPECT_EQ(parsed.action, CommandLine::Action::UsageError) << error;
        EXPECT_NE(parsed.error.find(error), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
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

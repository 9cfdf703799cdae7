#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/TankOverrides.h"
#include "core/desktop/TankPlacement.h"

// What the user (or xscreensaver) asked for on the command line.
struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    // Draw into the root window (-root, --root).
    bool root = false;
    // Draw into this existing X window (-window-id ID, --window-id ID); with
    // -root too, as xscreensaver's preview asks, the window wins.
    std::optional<unsigned long> windowId;
    // Where the program's own tanks go, for this run only (--monitor N,
    // --all-monitors, --wallpaper); unset, the settings file says.
    std::optional<TankPlacement> placement;
    // At most this many frames a second; 0 means no limit, unset the default pace.
    // -delay N (microseconds a frame, xscreensaver's way) sets it too.
    std::optional<int> maxFps;
    // -fish N, -bubbles, -no-bubbles, -wall, -no-wall, -fps, -daynight and
    // -clock: this run only.
    TankOverrides overrides;
    // One line saying what was wrong, for Action::UsageError.
    std::string error;
};

// Reads the options after argv[0]. The first of --help or --version decides the
// action; any option not listed in the usage, a missing or malformed value,
// more than one placement, or a placement with -root or -window-id, is a usage
// error. Of two options that set one thing, the last counts. Every option has
// a one-dash form too.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// An X window id as xscreensaver writes it, in decimal or as 0x hex: nothing
// for junk, zero or a value beyond 32 bits.
std::optional<unsigned long> ParseWindowId(std::string_view text);

// The frame-rate cap for xscreensaver's -delay: at most one frame every
// `delayUs` microseconds; 0 (as fast as it can) is no limit.
int MaxFpsForDelay(int delayUs);

// The text --help prints, naming the settings file at `settingsPath`.
std::string UsageText(const std::string& settingsPath);

// "velmar 1.0.0": the program's name and the project's version.
std::string VersionText();

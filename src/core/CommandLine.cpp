#include "core/CommandLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/PlainNumber.h"
#include "core/tank/SchoolLayout.h"
#include "platform/runtime/Translation.h"

namespace {
CommandLine UsageError(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::UsageError;
    result.error = std::move(error);
    return result;
}
}  // namespace

std::optional<unsigned long> ParseWindowId(std::string_view text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const auto id = hex ? ParsePlainNumber<std::uint32_t>(text.substr(2), 16)
                        : ParsePlainNumber<std::uint32_t>(text, 10);
    if (!id || *id == 0) return {};
    return *id;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
    int placements = 0;
    std::string problem;
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        // xscreensaver's hacks take one dash, GNU programs two: both are ours.
        const std::string shown(option);
        const std::size_t dashes = option.rfind("--", 0) == 0 ? 2 : option.rfind('-', 0) == 0;
        // A word without a dash is no option: keep it unmatchable.
        option = dashes ? option.substr(dashes) : std::string_view();
        // The whole number after the option, up to `max`; else `problem` says
        // why, from the patterns "%s needs ..." and "%s takes ..., not '%s'".
        const auto number = [&](const char* needs, const char* takes,
                                int max = std::numeric_limits<int>::max()) {
            if (i + 1 >= argc) {
                problem = Filled(Tr(needs), shown.c_str());
                return std::optional<int>();
            }
            const std::string text = argv[++i];
            std::optional<int> value = ParsePlainNumber<int>(text, 10);
            if (value && *value > max) value.reset();
            if (!value) problem = Filled(Tr(takes), shown.c_str(), text.c_str());
            return value;
        };
        if (option == "help") {
            result.action = CommandLine::Action::Help;
            return result;
        }
        if (option == "version") {
            result.action = CommandLine::Action::Version;
            return result;
        }
        if (option == "root") {
            result.root = true;
        } else if (option == "window-id") {
            if (i + 1 >= argc) return UsageError(Filled(Tr("%s needs a window id"), shown.c_str()));
            result.windowId = ParseWindowId(argv[++i]);
            if (!result.windowId) {
                return UsageError(Filled(Tr("not a window id: '%s'"), argv[i]));
            }
        } else if (option == "max-fps") {
            result.maxFps = number(N_("%s needs a number of frames a second"),
                                   N_("%s takes a whole number 0 or more, not '%s'"));
            if (!result.maxFps) return UsageError(problem);
        } else if (option == "delay") {
            const std::optional<int> delayUs =
                number(N_("%s needs a number of microseconds"),
                       N_("%s takes microseconds, a whole number 0 or more, not '%s'"));
            if (!delayUs) return UsageError(problem);
            result.maxFps = MaxFpsForDelay(*delayUs);
        } else if (option == "fish") {
            result.overrides.fish =
                number(N_("%s needs a number of fish"),
                       N_("%s takes a number of fish from 0 to 200, not '%s'"), kSchoolSlots);
            if (!result.overrides.fish) return UsageError(problem);
        } else if (option == "bubbles" || option == "no-bubbles") {
            result.overrides.bubbles = option == "bubbles";
        } else if (option == "wall" || option == "no-wall") {
            result.overrides.wall = option == "wall";
        } else if (option == "fps") {
            result.overrides.frameRate = true;
        } else if (option == "daynight") {
            result.overrides.dayNight = true;
        } else if (option == "clock") {
            result.overrides.clock = true;
        } else if (option == "monitor") {
            const std::optional<int> monitor = number(
                N_("%s needs a monitor number"), N_("%s takes a monitor number from 0, not '%s'"));
            if (!monitor) return UsageError(problem);
            result.placement = TankPlacement{Placement::kOneMonitor, *monitor};
            ++placements;
        } else if (option == "all-monitors") {
            result.placement = TankPlacement{Placement::kAllMonitors};
            ++placements;
        } else if (option == "wallpaper") {
            result.placement = TankPlacement{Placement::kWallpaper};
            ++placements;
        } else {
            return UsageError(Filled(Tr("unknown option '%s'"), shown.c_str()));
        }
    }
    if (placements > 1) {
        return UsageError(Tr("only one of --monitor, --all-monitors and --wallpaper at a time"));
    }
    if (placements == 1 && (result.root || result.windowId)) {
        return UsageError(
            Tr("--monitor, --all-monitors and --wallpaper need the program's own window"));
    }
    return result;
}

int MaxFpsForDelay(int delayUs) {
    if (delayUs <= 0) return 0;
    return std::max(1, static_cast<int>(std::lround(1e6 / delayUs)));
}

std::string UsageText(const std::string& settingsPath) {
    // A paragraph to a catalog entry: the options' columns stay the translator's.
    return Tr("Usage: velmar [--monitor N | --all-monitors | --wallpaper] [TANK OPTIONS]\n"
              "       velmar -root | -window-id ID [TANK OPTIONS]\n"
              "       velmar --help | --version\n") +
           "\n" +
           Tr("Velmar, an interactive 3-D aquarium. With no option it fills the monitor under\n"
              "the pointer in a window of its own.\n") +
           "\n" +
           Tr("  --monitor N          fill monitor N, counted from 0 as xrandr lists them\n"
              "  --all-monitors       a tank on every monitor\n"
              "  --wallpaper          a tank on every monitor as the desktop's wallpaper,\n"
              "                       under every window; the menu's Exit ends it\n"
              "  -root, --root        draw into the root window, as a screensaver\n"
              "  -window-id ID, --window-id ID\n"
              "                       draw into the existing X window ID (decimal, or hex\n"
              "                       with 0x), also when -root is given; with neither\n"
              "                       option, $XSCREENSAVER_WINDOW names that window when\n"
              "                       it is set\n"
              "  --help               print this text and end\n"
              "  --version            print the version and end\n") +
           "\n" +
           Tr("Tank options, for this run only (the settings file is left as it is):\n"
              "  --fish N             N fish (0 to 200), shared over the species in the\n"
              "                       proportions of the settings file's counts\n"
              "  --bubbles            bubbles as many as the settings file says, or the\n"
              "                       usual amount where it says none\n"
              "  --no-bubbles         no bubbles\n"
              "  --wall               the waving picture wall, even where the settings\n"
              "                       file turns it off\n"
              "  --no-wall            no wall: the backdrop alone behind the fish\n"
              "  --fps                show the frame rate and the load (the share of the\n"
              "                       time not spent waiting) in the bottom-left corner\n"
              "  --daynight           the light follows the local time: dawn 06:00 to 08:00,\n"
              "                       dusk 18:00 to 20:00, a dim blue night between\n"
              "  --clock              show the local time in the tank\n"
              "  --max-fps N          draw at most N frames a second (0: no limit)\n"
              "  --delay N            draw at most one frame every N microseconds\n"
              "                       (xscreensaver's way; 0: no limit)\n") +
           "\n" +
           Tr("Every option may also be written with one dash (-wallpaper). Of two options\n"
              "that set one thing, the last counts.\n") +
           "\n" +
           Tr("In its own window: Escape ends the program, F1 shows or hides the help text,\n"
              "and the right mouse button opens the menu.\n") +
           "\n" + Filled(Tr("Settings file: %s\n"), settingsPath.c_str());
}

std::string VersionText() {
    return "velmar " VELMAR_VERSION;
}

#include "core/CommandLine.h"

#include <cstdint>
#include <utility>

#include "core/PlainNumber.h"

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
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        // xscreensaver's hacks take one dash, GNU programs two: both are ours.
        const std::string shown(option);
        const std::size_t dashes = option.rfind("--", 0) == 0 ? 2 : option.rfind('-', 0) == 0;
        // A word without a dash is no option: keep it unmatchable.
        option = dashes ? option.substr(dashes) : std::string_view();
        const bool hasValue = i + 1 < argc;
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
            if (!hasValue) return UsageError(shown + " needs a window id");
            result.windowId = ParseWindowId(argv[++i]);
            if (!result.windowId) {
                return UsageError("not a window id: '" + std::string(argv[i]) + "'");
            }
        } else if (option == "max-fps") {
            if (!hasValue) return UsageError(shown + " needs a number of frames a second");
            result.maxFps = ParsePlainNumber<int>(argv[++i], 10);
            if (!result.maxFps) {
                return UsageError(shown + " takes a whole number 0 or more, not '" +
                                  std::string(argv[i]) + "'");
            }
        } else if (option == "monitor") {
            if (!hasValue) return UsageError(shown + " needs a monitor number");
            const std::optional<int> monitor = ParsePlainNumber<int>(argv[++i], 10);
            if (!monitor) {
                return UsageError(shown + " takes a monitor number from 0, not '" +
                                  std::string(argv[i]) + "'");
            }
            result.placement = TankPlacement{Placement::kOneMonitor, *monitor};
            ++placements;
        } else if (option == "all-monitors") {
            result.placement = TankPlacement{Placement::kAllMonitors};
            ++placements;
        } else if (option == "wallpaper") {
            result.placement = TankPlacement{Placement::kWallpaper};
            ++placements;
        } else {
            return UsageError("unknown option '" + shown + "'");
        }
    }
    if (result.root && result.windowId) {
        return UsageError("-root and -window-id cannot be used together");
    }
    if (placements > 1) {
        return UsageError("only one of --monitor, --all-monitors and --wallpaper at a time");
    }
    if (placements == 1 && (result.root || result.windowId)) {
        return UsageError(
            "--monitor, --all-monitors and --wallpaper need the program's own window");
    }
    return result;
}

std::string UsageText(const std::string& settingsPath) {
    return "Usage: velmar [--monitor N | --all-monitors | --wallpaper] [--max-fps N]\n"
           "       velmar -root | -window-id ID [--max-fps N]\n"
           "       velmar --help | --version\n"
           "\n"
           "Velmar, an interactive 3-D aquarium. With no option it fills the monitor under\n"
           "the pointer in a window of its own.\n"
           "\n"
           "  --monitor N          fill monitor N, counted from 0 as xrandr lists them\n"
           "  --all-monitors       a tank on every monitor\n"
           "  --wallpaper          a tank on every monitor as the desktop's wallpaper,\n"
           "                       under every window; the menu's Exit ends it\n"
           "  -root, --root        draw into the root window, as a screensaver\n"
           "  -window-id ID, --window-id ID\n"
           "                       draw into the existing X window ID (decimal, or hex\n"
           "                       with 0x); with neither option, $XSCREENSAVER_WINDOW\n"
           "                       names that window when it is set\n"
           "  --max-fps N          draw at most N frames a second (0: no limit)\n"
           "  --help               print this text and end\n"
           "  --version            print the version and end\n"
           "\n"
           "Every option may also be written with one dash (-wallpaper).\n"
           "\n"
           "In its own window: Escape ends the program, F1 shows or hides the help text,\n"
           "and the right mouse button opens the menu.\n"
           "\n"
           "Settings file: " +
           settingsPath + "\n";
}

std::string VersionText() {
    return "velmar " VELMAR_VERSION;
}

#include "core/CommandLine.h"

#include <charconv>
#include <cstdint>
#include <utility>

namespace {
template <typename Number>
std::optional<Number> ParseDigits(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    // from_chars takes a minus sign for signed types; only plain digits are ours.
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end) return {};
    return value;
}

CommandLine UsageError(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::UsageError;
    result.error = std::move(error);
    return result;
}
}  // namespace

std::optional<unsigned long> ParseWindowId(std::string_view text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const auto id =
        hex ? ParseDigits<std::uint32_t>(text.substr(2), 16) : ParseDigits<std::uint32_t>(text, 10);
    if (!id || *id == 0) return {};
    return *id;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--help") {
            result.action = CommandLine::Action::Help;
            return result;
        }
        if (option == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        }
        if (option == "-root" || option == "--root") {
            result.root = true;
        } else if (option == "-window-id" || option == "--window-id") {
            if (!hasValue) return UsageError(std::string(option) + " needs a window id");
            result.windowId = ParseWindowId(argv[++i]);
            if (!result.windowId) {
                return UsageError("not a window id: '" + std::string(argv[i]) + "'");
            }
        } else if (option == "--max-fps") {
            if (!hasValue) return UsageError("--max-fps needs a number of frames a second");
            result.maxFps = ParseDigits<int>(argv[++i], 10);
            if (!result.maxFps) {
                return UsageError("--max-fps takes a whole number 0 or more, not '" +
                                  std::string(argv[i]) + "'");
            }
        } else {
            return UsageError("unknown option '" + std::string(option) + "'");
        }
    }
    if (result.root && result.windowId) {
        return UsageError("-root and -window-id cannot be used together");
    }
    return result;
}

std::string UsageText(const std::string& settingsPath) {
    return "Usage: velmar [-root | -window-id ID] [--max-fps N]\n"
           "       velmar --help | --version\n"
           "\n"
           "Velmar, an interactive 3-D aquarium. With no option it fills the screen in a\n"
           "window of its own.\n"
           "\n"
           "  -root, --root        draw into the root window, as a screensaver\n"
           "  -window-id ID, --window-id ID\n"
           "                       draw into the existing X window ID (decimal, or hex\n"
           "                       with 0x); with neither option, $XSCREENSAVER_WINDOW\n"
           "                       names that window when it is set\n"
           "  --max-fps N          draw at most N frames a second (0: no limit)\n"
           "  --help               print this text and end\n"
           "  --version            print the version and end\n"
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

#include "platform/WorkDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/MessageBox.h"

namespace {
std::filesystem::path ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // The XDG rules say a relative value is invalid and must be ignored.
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".config";
    return {};
}
}  // namespace

std::string GetWorkDir() {
    const std::filesystem::path base = ConfigHome();
    std::error_code error;
    if (!base.empty()) {
        const std::filesystem::path dir = base / "velmar";
        std::filesystem::create_directories(dir, error);
        if (!error && std::filesystem::is_directory(dir, error)) return dir.string() + "/";
    }
    ShowMessageBox("Error Find TempPath.", "ERROR");
    return "";
}

#include "platform/posix/WorkDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/posix/TempPath.h"

std::filesystem::path WorkDirLocation() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // The XDG rules say a relative value is invalid and must be ignored.
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / "velmar";
    }
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".config" / "velmar";
    return {};
}

std::string GetWorkDir() {
    const std::filesystem::path dir = WorkDirLocation();
    std::error_code error;
    if (!dir.empty()) {
        std::filesystem::create_directories(dir, error);
        if (!error && std::filesystem::is_directory(dir, error)) return dir.string() + "/";
    }
    ReportNoTempPath();
    return "";
}

#include "platform/TempPath.h"

#include <filesystem>
#include <system_error>

bool HasTempPath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::temp_directory_path(error);
    return !error && !path.empty();
}

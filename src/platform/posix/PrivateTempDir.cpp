#include "platform/posix/PrivateTempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

PrivateTempDir::PrivateTempDir() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return;
    // mkdtemp makes the folder with owner-only permissions.
    std::string pattern = (base / "velmar-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern + "/";
}

PrivateTempDir::~PrivateTempDir() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

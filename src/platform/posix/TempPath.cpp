#include "platform/posix/TempPath.h"

#include <filesystem>
#include <system_error>

#include "platform/runtime/MessageBox.h"
#include "platform/runtime/Translation.h"

bool HasTempPath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::temp_directory_path(error);
    return !error && !path.empty();
}

void ReportNoTempPath() {
    ShowMessageBox(Tr("Error Find TempPath."), Tr("ERROR"));
}

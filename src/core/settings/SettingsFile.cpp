#include "core/settings/SettingsFile.h"

#include <filesystem>
#include <set>
#include <utility>

#include "core/settings/ProfileFile.h"
#include "platform/posix/WorkDir.h"
#include "platform/runtime/MessageBox.h"
#include "platform/runtime/Translation.h"

namespace {
constexpr char kSettingsFileName[] = "VelmarSet.ini";

// Once for each file: every dialog saves again, and the answer will not change.
void TellSettingsNotSaved(const std::string& path) {
    static std::set<std::string> told;
    if (!told.insert(path).second) return;
    const std::string shown = std::filesystem::path(path).lexically_normal().string();
    ShowMessageBox(Filled(Tr("Velmar cannot save its settings in %s, so changes last only until "
                             "it ends."),
                          shown.c_str()),
                   "Velmar");
}
}  // namespace

std::string SettingsFilePath() {
    return GetWorkDir() + "./" + kSettingsFileName;
}

std::string SettingsFileShownPath() {
    const std::filesystem::path dir = WorkDirLocation();
    return dir.empty() ? std::string("./") + kSettingsFileName : (dir / kSettingsFileName).string();
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {
    const std::optional<std::string> text = ReadProfileFile(path_);
    readable_ = text.has_value();
    original_ = text.value_or(std::string());
    profile_ = ProfileText(original_);
}

bool SettingsFile::Save() {
    if (profile_.Text() == original_) return true;
    // Text too large to be read back would cost every setting at the next start.
    if (!readable_ || profile_.Text().size() > kMaxProfileBytes ||
        !ReplaceProfileFile(path_, profile_.Text())) {
        TellSettingsNotSaved(path_);
        return false;
    }
    original_ = profile_.Text();
    return true;
}

#include "settings/SettingsFile.h"

#include <filesystem>
#include <utility>

#include "platform/WorkDir.h"
#include "settings/ProfileFile.h"

namespace {
constexpr char kSettingsFileName[] = "VelmarSet.ini";
}

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
    if (!readable_) return false;
    if (profile_.Text() == original_) return true;
    if (!ReplaceProfileFile(path_, profile_.Text())) return false;
    original_ = profile_.Text();
    return true;
}

#include "music/CustomMusicSettings.h"

#include <algorithm>

#include "platform/CrtAtoi.h"
#include "settings/SettingsFile.h"

namespace {
bool ReadFlag(const ProfileText& profile, const char* key) {
    return CrtAtoi(profile.Get(kCustomSettingsSection, key)) == 1;
}

void WriteFlag(ProfileText& profile, const char* key, bool on) {
    profile.Set(kCustomSettingsSection, key, on ? "1" : "0");
}

std::string RowKey(std::size_t row) {
    return "MusicList" + std::to_string(row);
}
}  // namespace

CustomMusicSettings ReadCustomMusicSettings(const ProfileText& profile) {
    CustomMusicSettings settings;
    settings.randomOrder = ReadFlag(profile, "RandomMusic");
    settings.repeatAll = ReadFlag(profile, "CycMusic");
    settings.repeatOne = ReadFlag(profile, "RepeatMusic");
    settings.ownMusic = ReadFlag(profile, "OwnMusic");
    // A path may be longer than the 127 characters of the other values.
    constexpr std::size_t kMaxPathLength = 4096;
    const int count =
        std::clamp(CrtAtoi(profile.Get(kCustomSettingsSection, "MusicSum")), 0, kMaxMusicRows);
    for (int row = 0; row < count; ++row) {
        const std::string path = profile.Get(kCustomSettingsSection, RowKey(row), kMaxPathLength);
        if (!path.empty()) settings.rows.push_back(path);
    }
    return settings;
}

void WriteCustomMusicSettings(const CustomMusicSettings& settings, ProfileText& profile) {
    WriteFlag(profile, "RandomMusic", settings.randomOrder);
    WriteFlag(profile, "CycMusic", settings.repeatAll);
    WriteFlag(profile, "RepeatMusic", settings.repeatOne);
    WriteFlag(profile, "OwnMusic", settings.ownMusic);
    profile.Set(kCustomSettingsSection, "MusicSum", std::to_string(settings.rows.size()));
    for (std::size_t row = 0; row < settings.rows.size(); ++row) {
        profile.Set(kCustomSettingsSection, RowKey(row), settings.rows[row]);
    }
}

#include "settings/CustomSections.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/CrtAtoi.h"
#include "settings/SettingsFile.h"

namespace {
// Longer than any path the system accepts.
constexpr std::size_t kMaxListEntryLength = 4096;
}  // namespace

const CustomSectionKeys kCustomImagesKeys = {kCustomImagesSection, "RandomImage", "CycImage",
                                             "RepeatImage",        "OwnImage",    "ImageSum",
                                             "ImageList"};
const CustomSectionKeys kCustomMusicKeys = {kCustomSettingsSection,
                                            "RandomMusic",
                                            "CycMusic",
                                            "RepeatMusic",
                                            "OwnMusic",
                                            "MusicSum",
                                            "MusicList"};

bool ReadCustomFlag(const ProfileText& profile, const char* section, const char* key) {
    return CrtAtoi(profile.Get(section, key)) == 1;
}

void WriteCustomFlag(ProfileText& profile, const char* section, const char* key, bool on) {
    profile.Set(section, key, on ? "1" : "0");
}

PlayMode ReadPlayMode(const ProfileText& profile, const CustomSectionKeys& keys) {
    if (ReadCustomFlag(profile, keys.section, keys.randomKey)) return PlayMode::Random;
    if (ReadCustomFlag(profile, keys.section, keys.repeatAllKey)) return PlayMode::RepeatAll;
    return PlayMode::RepeatOne;
}

void WritePlayMode(ProfileText& profile, const CustomSectionKeys& keys, PlayMode mode) {
    WriteCustomFlag(profile, keys.section, keys.randomKey, mode == PlayMode::Random);
    WriteCustomFlag(profile, keys.section, keys.repeatAllKey, mode == PlayMode::RepeatAll);
    WriteCustomFlag(profile, keys.section, keys.repeatOneKey, mode == PlayMode::RepeatOne);
}

std::vector<std::string> ReadCustomList(const ProfileText& profile, const CustomSectionKeys& keys) {
    const int count =
        std::clamp(CrtAtoi(profile.Get(keys.section, keys.countKey)), 0, kMaxCustomListEntries);
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        const std::string key = keys.listKeyPrefix + std::to_string(i);
        entries.push_back(profile.Get(keys.section, key, kMaxListEntryLength));
    }
    return entries;
}

void WriteCustomList(ProfileText& profile, const CustomSectionKeys& keys,
                     const std::vector<std::string>& entries) {
    profile.Set(keys.section, keys.countKey, std::to_string(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        profile.Set(keys.section, keys.listKeyPrefix + std::to_string(i), entries[i]);
    }
}

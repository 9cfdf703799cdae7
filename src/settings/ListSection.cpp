#include "settings/ListSection.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "platform/CrtAtoi.h"
#include "settings/ProfileText.h"

namespace {
std::string Key(const char* before, const ListSectionKeys& keys, const std::string& after = "") {
    return before + std::string(keys.noun) + after;
}

// The section's values by lower-case key; a missing key reads as empty.
class SectionReader {
  public:
    SectionReader(const ProfileText& profile, const ListSectionKeys& keys, std::size_t maxLength)
        : values_(profile.SectionValues(keys.section, maxLength)) {}
    std::string Get(std::string key) const {
        std::transform(key.begin(), key.end(), key.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto found = values_.find(key);
        return found == values_.end() ? std::string() : found->second;
    }

  private:
    std::unordered_map<std::string, std::string> values_;
};

void WriteFlag(ProfileText& profile, const ListSectionKeys& keys, const char* flag, bool on) {
    profile.Set(keys.section, Key(flag, keys), on ? "1" : "0");
}

std::string RowKey(const ListSectionKeys& keys, std::size_t row) {
    return Key("", keys, "List" + std::to_string(row));
}
}  // namespace

ListSection ReadListSection(const ProfileText& profile, const ListSectionKeys& keys) {
    // A path may be longer than the 127 characters of the other values.
    constexpr std::size_t kMaxPathLength = 4096;
    const SectionReader section(profile, keys, kMaxPathLength);
    const auto flag = [&](const char* name) { return CrtAtoi(section.Get(Key(name, keys))) == 1; };
    ListSection list;
    list.randomOrder = flag("Random");
    list.repeatAll = flag("Cyc");
    list.repeatOne = flag("Repeat");
    list.ownOn = flag("Own");
    const int count = std::clamp(CrtAtoi(section.Get(Key("", keys, "Sum"))), 0, kMaxListRows);
    for (int row = 0; row < count; ++row) {
        const std::string path = section.Get(RowKey(keys, row));
        if (!path.empty()) list.rows.push_back(path);
    }
    return list;
}

void WriteListFlags(const ListSection& list, ProfileText& profile, const ListSectionKeys& keys) {
    WriteFlag(profile, keys, "Random", list.randomOrder);
    WriteFlag(profile, keys, "Cyc", list.repeatAll);
    WriteFlag(profile, keys, "Repeat", list.repeatOne);
    WriteFlag(profile, keys, "Own", list.ownOn);
}

void WriteListRows(const ListSection& list, ProfileText& profile, const ListSectionKeys& keys) {
    profile.Set(keys.section, Key("", keys, "Sum"), std::to_string(list.rows.size()));
    for (std::size_t row = 0; row < list.rows.size(); ++row) {
        profile.Set(keys.section, RowKey(keys, row), list.rows[row]);
    }
}

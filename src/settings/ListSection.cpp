#include "settings/ListSection.h"

#include <algorithm>

#include "platform/CrtAtoi.h"
#include "settings/ProfileText.h"

namespace {
std::string Key(const char* before, const ListSectionKeys& keys, const std::string& after = "") {
    return before + std::string(keys.noun) + after;
}

bool ReadFlag(const ProfileText& profile, const ListSectionKeys& keys, const char* flag) {
    return CrtAtoi(profile.Get(keys.section, Key(flag, keys))) == 1;
}

void WriteFlag(ProfileText& profile, const ListSectionKeys& keys, const char* flag, bool on) {
    profile.Set(keys.section, Key(flag, keys), on ? "1" : "0");
}

std::string RowKey(const ListSectionKeys& keys, std::size_t row) {
    return Key("", keys, "List" + std::to_string(row));
}
}  // namespace

ListSection ReadListSection(const ProfileText& profile, const ListSectionKeys& keys) {
    ListSection list;
    list.randomOrder = ReadFlag(profile, keys, "Random");
    list.repeatAll = ReadFlag(profile, keys, "Cyc");
    list.repeatOne = ReadFlag(profile, keys, "Repeat");
    list.ownOn = ReadFlag(profile, keys, "Own");
    // A path may be longer than the 127 characters of the other values.
    constexpr std::size_t kMaxPathLength = 4096;
    const int count =
        std::clamp(CrtAtoi(profile.Get(keys.section, Key("", keys, "Sum"))), 0, kMaxListRows);
    for (int row = 0; row < count; ++row) {
        const std::string path = profile.Get(keys.section, RowKey(keys, row), kMaxPathLength);
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

#include "core/settings/ListSection.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/settings/ProfileText.h"
#include "platform/runtime/CrtAtoi.h"

namespace {
std::string Key(const char* before, const ListSectionKeys& keys, const std::string& after = "") {
    return before + std::string(keys.noun) + after;
}

std::string RowKey(const ListSectionKeys& keys, std::size_t row) {
    return Key("", keys, "List" + std::to_string(row));
}
}  // namespace

ListSection ReadListSection(const ProfileText& profile, const ListSectionKeys& keys) {
    // A path may be longer than the 127 characters of the other values.
    constexpr std::size_t kMaxPathLength = 4096;
    const ProfileSection section = profile.ReadSection(keys.section, kMaxPathLength);
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
    const auto flag = [&](const char* name, bool on) {
        return std::make_pair(Key(name, keys), std::string(on ? "1" : "0"));
    };
    profile.SetAll(keys.section, {flag("Random", list.randomOrder), flag("Cyc", list.repeatAll),
                                  flag("Repeat", list.repeatOne), flag("Own", list.ownOn)});
}

void WriteListRows(const ListSection& list, ProfileText& profile, const ListSectionKeys& keys) {
    std::vector<std::pair<std::string, std::string>> entries{
        {Key("", keys, "Sum"), std::to_string(list.rows.size())}};
    for (std::size_t row = 0; row < list.rows.size(); ++row) {
        entries.emplace_back(RowKey(keys, row), list.rows[row]);
    }
    profile.SetAll(keys.section, entries);
}

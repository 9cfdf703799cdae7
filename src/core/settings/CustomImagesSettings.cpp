#include "core/settings/CustomImagesSettings.h"

#include "core/settings/ProfileText.h"

namespace {
constexpr char kIntervalKey[] = "ImageTime";
}

CustomImagesSettings ReadCustomImagesSettings(const ProfileText& profile) {
    CustomImagesSettings settings;
    settings.list = ReadListSection(profile, kCustomImagesKeys);
    const std::string interval = profile.Get(kCustomImagesSection, kIntervalKey);
    if (!interval.empty()) settings.interval = interval;
    return settings;
}

void WriteCustomImagesSettings(const CustomImagesSettings& settings, ProfileText& profile) {
    WriteListFlags(settings.list, profile, kCustomImagesKeys);
    profile.Set(kCustomImagesSection, kIntervalKey, settings.interval);
    WriteListRows(settings.list, profile, kCustomImagesKeys);
}

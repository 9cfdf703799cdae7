#pragma once

#include <string>

#include "core/settings/ListSection.h"
#include "core/settings/SettingsFile.h"

class ProfileText;

inline constexpr ListSectionKeys kCustomImagesKeys{kCustomImagesSection, "Image"};

// Section "Custom Images": the Custom Background dialog's pictures, their
// order, the "Use your own image" box and the seconds each picture shows.
struct CustomImagesSettings {
    ListSection list;
    std::string interval = "5";  // "ImageTime", as typed
};

// An empty "ImageTime" reads as "5".
CustomImagesSettings ReadCustomImagesSettings(const ProfileText& profile);
// In the dialog's order: the flags, "ImageTime", then the list.
void WriteCustomImagesSettings(const CustomImagesSettings& settings, ProfileText& profile);

#pragma once

#include "settings/AquariumSettings.h"
#include "settings/CustomImagesSettings.h"
#include "settings/ListSection.h"
#include "settings/SettingsFile.h"

// Section "Custom Settings": the Custom Music dialog's play list.
inline constexpr ListSectionKeys kCustomMusicKeys{kCustomSettingsSection, "Music"};

// Everything the tank takes from the settings file, read once at start-up and
// handed to the scene, the user's pictures and the play list.
struct StartupSettings {
    AquariumSettings tank;
    CustomImagesSettings pictures;
    ListSection music;
};

// What becomes of the repairs a start makes: the program writes them back; the
// screensaver, which never writes the file, keeps them in memory.
enum class SettingsRepairs { kWrittenBack, kKeptInMemory };

// Reads the settings file, repairing absent, forced and out-of-range values.
// Writing back first removes what saves killed midway left; a file that cannot
// be written changes nothing in memory.
StartupSettings LoadStartupSettings(SettingsRepairs repairs);

// The dialogs' lists, written back as the user closes them.
void SaveCustomImages(const CustomImagesSettings& pictures);
void SaveCustomMusic(const ListSection& music);

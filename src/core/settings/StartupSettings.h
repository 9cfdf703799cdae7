#pragma once

#include <array>

#include "core/settings/AquariumSettings.h"
#include "core/settings/CustomImagesSettings.h"
#include "core/settings/ListSection.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/VelmarSettings.h"
#include "core/tank/SchoolLayout.h"

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

// Our own section, read alone: where the tanks go is known before they are
// built, and building them comes before the rest is read.
VelmarSettings LoadVelmarSettings();

// What the dialogs change, written back as the user leaves them.
void SaveFishCounts(const std::array<int, kSpeciesCount>& counts);
void SaveCustomImages(const CustomImagesSettings& pictures);
void SaveCustomMusic(const ListSection& music);
// The Preferences dialog's OK: the design's keys it changed, and our section.
void SavePreferences(const AquariumSettings& before, const AquariumSettings& after,
                     const VelmarSettings& velmar);

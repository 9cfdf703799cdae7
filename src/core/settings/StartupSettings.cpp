#include "core/settings/StartupSettings.h"

#include <string>

#include "core/settings/ProfileFile.h"
#include "core/settings/ReadAquariumSettings.h"
#include "core/tank/SchoolLayout.h"

StartupSettings LoadStartupSettings(SettingsRepairs repairs) {
    const std::string path = SettingsFilePath();
    if (repairs == SettingsRepairs::kWrittenBack) RemoveStaleReplacements(path);
    SettingsFile file(path);
    StartupSettings settings;
    settings.tank = ReadAndRepairSettings(file.Profile());
    settings.pictures = ReadCustomImagesSettings(file.Profile());
    settings.music = ReadListSection(file.Profile(), kCustomMusicKeys);
    if (repairs == SettingsRepairs::kWrittenBack) file.Save();
    return settings;
}

VelmarSettings LoadVelmarSettings() {
    return ReadVelmarSettings(SettingsFile().Profile());
}

void SaveFishCounts(const std::array<int, kSpeciesCount>& counts) {
    SettingsFile file;
    WriteFishCounts(counts, file.Profile());
    file.Save();
}

void SaveCustomImages(const CustomImagesSettings& pictures) {
    SettingsFile file;
    WriteCustomImagesSettings(pictures, file.Profile());
    file.Save();
}

void SavePreferences(const AquariumSettings& before, const AquariumSettings& after,
                     const VelmarSettings& velmar) {
    SettingsFile file;
    WriteChangedSettings(before, after, file.Profile());
    WriteVelmarSettings(velmar, file.Profile());
    file.Save();
}

void SaveCustomMusic(const ListSection& music) {
    SettingsFile file;
    WriteListFlags(music, file.Profile(), kCustomMusicKeys);
    WriteListRows(music, file.Profile(), kCustomMusicKeys);
    file.Save();
}

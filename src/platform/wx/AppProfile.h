#pragma once

#include <string>

// The application profile that stands in for the registry key
// "Local AppWizard-Generated Applications" of the application named kWindowName
// (~/.VelmarScr). Only the music volume lives here; every other setting is in
// the settings file.
void SetAppProfileKey(const std::string& vendorKey);

// The Custom Music dialog's volume, 0..1000 (full when none was kept).
int MusicVolume();
void SaveMusicVolume(int volume);

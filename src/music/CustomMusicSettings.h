#pragma once

#include <string>
#include <vector>

class ProfileText;

// Section "Custom Settings" of the settings file: the play list, its mode and
// the "On/Off" box of the Custom Music dialog.
struct CustomMusicSettings {
    bool randomOrder = false;       // "RandomMusic"
    bool repeatAll = false;         // "CycMusic"
    bool repeatOne = false;         // "RepeatMusic"
    bool ownMusic = false;          // "OwnMusic"
    std::vector<std::string> rows;  // "MusicSum", "MusicList0", "MusicList1", ...
};

// At most this many rows are read, however large "MusicSum" is.
inline constexpr int kMaxMusicRows = 10000;

// Flags count as set when their text reads as exactly 1. Rows whose key is
// missing are skipped.
CustomMusicSettings ReadCustomMusicSettings(const ProfileText& profile);
// Writes every key, in the dialog's order; keys of a longer earlier list stay.
void WriteCustomMusicSettings(const CustomMusicSettings& settings, ProfileText& profile);

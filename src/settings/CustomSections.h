#pragma once

#include <string>
#include <vector>

#include "settings/ProfileText.h"

// The keys of one of the two custom sections, which share their layout: three
// play-mode flags, the "use your own" flag, the list size and the list entries
// (prefix followed by the index 0, 1, ... in decimal).
struct CustomSectionKeys {
    const char* section;
    const char* randomKey;
    const char* repeatAllKey;
    const char* repeatOneKey;
    const char* ownKey;
    const char* countKey;
    const char* listKeyPrefix;
};

extern const CustomSectionKeys kCustomImagesKeys;  // "Custom Images", the background pictures
extern const CustomSectionKeys kCustomMusicKeys;   // "Custom Settings", the music

enum class PlayMode { Random, RepeatAll, RepeatOne };

// Lists longer than this are read only this far, so a hand-edited count cannot
// make a dialog spend minutes on empty entries.
constexpr int kMaxCustomListEntries = 1000;

// A flag of the custom sections is set only when its text parses to exactly 1.
bool ReadCustomFlag(const ProfileText& profile, const char* section, const char* key);
void WriteCustomFlag(ProfileText& profile, const char* section, const char* key, bool on);

// The first of Random, Repeat All, Repeat One whose flag is set; Repeat One when
// none is.
PlayMode ReadPlayMode(const ProfileText& profile, const CustomSectionKeys& keys);
// The three flags, "1" for the mode and "0" for the other two, in that order.
void WritePlayMode(ProfileText& profile, const CustomSectionKeys& keys, PlayMode mode);

// The entries 0 to count - 1, full length (paths may be longer than a plain
// value read allows); a negative count reads as none.
std::vector<std::string> ReadCustomList(const ProfileText& profile, const CustomSectionKeys& keys);
// The count, then every entry. Entries beyond a shorter list stay in the file.
void WriteCustomList(ProfileText& profile, const CustomSectionKeys& keys,
                     const std::vector<std::string>& entries);

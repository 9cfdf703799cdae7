#pragma once

#include <string>
#include <string_view>

#include "core/settings/ProfileText.h"

// Section names of the settings file VelmarSet.ini.
inline constexpr char kAquariumSettingsSection[] = "Aquarium Settings";
inline constexpr char kFishNumberSection[] = "Fish Number";
inline constexpr char kCustomImagesSection[] = "Custom Images";
inline constexpr char kCustomSettingsSection[] = "Custom Settings";
// Ours alone: what this program offers beyond the design's keys. Copies that
// know nothing of it leave its lines as they stand.
inline constexpr char kVelmarSection[] = "Velmar";

// The settings file's path, built anew from the work folder at each call.
std::string SettingsFilePath();

// The same file named for people, without creating the work folder.
std::string SettingsFileShownPath();

// One visit to the settings file: read when made, edited in memory, written
// back whole by Save. Callers keep a visit short so that the other writers'
// keys are read fresh.
class SettingsFile {
  public:
    explicit SettingsFile(std::string path = SettingsFilePath());

    std::string Get(std::string_view section, std::string_view key) const {
        return profile_.Get(section, key);
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) {
        profile_.Set(section, key, value);
    }
    ProfileText& Profile() { return profile_; }
    const ProfileText& Profile() const { return profile_; }

    // Writes the edits back when there are any. False when the file could not
    // be replaced, or was unreadable and so is left alone, or the text has grown
    // too large to be read back; the edits then live only in this object, and
    // the user is told once for each file. Callers carry on either way.
    bool Save();

  private:
    std::string path_;
    bool readable_;
    std::string original_;
    ProfileText profile_;
};

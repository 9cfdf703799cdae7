#pragma once

#include <filesystem>
#include <string>

// The per-user directory that holds the settings file and, briefly, unpacked
// resources: $XDG_CONFIG_HOME/velmar/ (default ~/.config/velmar/), created on
// demand, always with a trailing '/'. When it cannot be had the user is told
// ("Error Find TempPath.") and the empty text is returned, so files land in the
// current directory.
std::string GetWorkDir();

// Where the work folder is, without creating it: empty when neither
// $XDG_CONFIG_HOME nor $HOME names a place.
std::filesystem::path WorkDirLocation();

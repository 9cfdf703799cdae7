#pragma once

#include <string>

// The per-user directory that holds the settings file and, briefly, unpacked
// resources: $XDG_CONFIG_HOME/velmar/ (default ~/.config/velmar/), created on
// demand, always with a trailing '/'. When it cannot be had the user is told
// ("Error Find TempPath.") and the empty text is returned, so files land in the
// current directory.
std::string GetWorkDir();

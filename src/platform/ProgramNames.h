#pragma once

#include <string>

// The main window's title, which is also the toolkit's application name, the
// profile's name and the name of the single-instance guard: the desktop, the
// window manager and the tests find the program by it.
inline constexpr char kWindowName[] = "VelmarScr";

// The program's full title: the help text's first line, and the end of each
// dialog's title.
inline constexpr char kProgramTitle[] = "Velmar Screensaver 1.0";
inline const std::string kFishSettingsTitle = std::string("Fish Settings - ") + kProgramTitle;
inline const std::string kCustomMusicTitle = std::string("Custom Music - ") + kProgramTitle;
inline const std::string kCustomBackgroundTitle =
    std::string("Custom Background - ") + kProgramTitle;
inline const std::string kPreferencesTitle = std::string("Preferences - ") + kProgramTitle;

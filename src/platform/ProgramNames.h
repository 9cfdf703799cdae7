#pragma once

#include <string>

#include "platform/runtime/Translation.h"

// The main window's title, which is also the toolkit's application name, the
// profile's name and the name of the single-instance guard: the desktop, the
// window manager and the tests find the program by it.
inline constexpr char kWindowName[] = "VelmarScr";

// The program's full title: the help text's first line, and the end of each
// dialog's title.
inline constexpr char kProgramTitle[] = "Velmar Screensaver 1.0";
// A dialog's title: its name in the user's language, then the program's title.
inline std::string DialogTitle(const char* englishName) {
    return Tr(englishName) + " - " + kProgramTitle;
}

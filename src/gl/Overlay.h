#pragma once

#include <array>
#include <string>

#include "gl/OverlayFont.h"

// The help text's lines: the title, the right-click hint, the Escape hint and
// our web address; in English, or in the user's language.
using HelpTextLines = std::array<std::string, 4>;
HelpTextLines HelpText(bool inUsersLanguage);

// The lines in the upper middle of the tank, in the current colour and
// untextured, leaving the frame's GL state as it found it.
void DrawOverlay(const GlyphLists& font, const HelpTextLines& lines);

#pragma once

#include <wx/cursor.h>
#include <wx/image.h>

// The popup menu's icons and the interaction modes' cursors, our own artwork
// embedded in the program like the rest.

// The menu icon `id` (137 net, 133 food packet, 160 octopus, 134 magnifier
// with plus, 135 magnifier with minus, 180 grey fish, 253 musical note, 232
// aquarium picture, 175 EXIT button): 32 x 32 with an alpha channel. An
// invalid image when the program carries no such icon.
wxImage MenuIconImage(int id);

// The mode cursor `id` (154/155 catch net, 158/159 octopus, 163/164 food
// packet, 167/177 magnifier with plus, 169/178 magnifier with minus; the
// second of each pair is the pressed look): 32 x 32, hot spot at the top-left
// corner. The standard arrow when the program carries no such cursor.
wxCursor ModeCursor(int id);

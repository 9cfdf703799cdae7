#pragma once

#include "art/Canvas.h"

// All the artwork on one picture to look at: the background at full size, the
// ten skins at twice their size with a fish-shaped preview of each, and the
// bubble and the pellet enlarged.
Canvas PaintContactSheet();

#pragma once

#include "art/Canvas.h"

// All the artwork on one picture to look at: the background at full size, the
// ten skins at twice their size with a fish-shaped preview of each, the bubble
// and the pellet enlarged, and the Fish Settings dialog's panel at full size.
Canvas PaintContactSheet();

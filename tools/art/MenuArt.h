#pragma once

#include "art/Canvas.h"

// The popup menu's icons and the mode cursors, 32 x 32 with alpha, by the
// ids of the menu table, core/interaction/MenuCommands.h.
constexpr int kMenuArtSize = 32;

// Menu icon `id`; fully transparent for an id that has no icon.
RgbaCanvas PaintMenuIcon(int id);

// Mode cursor `id`, its acting part at its hot spot (CursorHotSpotOf) and
// ringed with a thin dark outline so it shows over the water; fully transparent for
// an id that has no cursor.
RgbaCanvas PaintModeCursor(int id);

// The icons at 32 and 24 pixels on the menu's colours and the cursors on water
// and on white, each also enlarged, to look at.
Canvas PaintMenuSheet();

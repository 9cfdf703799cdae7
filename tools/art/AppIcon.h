#pragma once

#include "art/Canvas.h"

// The program's icon for the desktop: a friendly orange fish in a round badge
// of aquarium water (its sizes are kAppIconSizes of ResourceTable.h).

// The icon, size x size with alpha, drawn afresh at each size so every edge is
// sharp.
RgbaCanvas PaintAppIcon(int size);

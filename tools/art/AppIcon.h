#pragma once

#include <array>

#include "art/Canvas.h"

// The program's icon for the desktop: a friendly orange fish in a round badge
// of aquarium water, at the sizes of the desktop's hicolor icon theme.
inline constexpr std::array<int, 6> kAppIconSizes = {16, 32, 48, 64, 128, 256};

// The icon, size x size with alpha, drawn afresh at each size so every edge is
// sharp.
RgbaCanvas PaintAppIcon(int size);

#pragma once

#include <vector>

#include "core/desktop/Monitors.h"

// Whether the windows above an area leave no pixel of it showing, together
// however they overlap. An empty area counts as covered.
bool WhollyCovered(const PixelRect& area, const std::vector<PixelRect>& above);

#pragma once

#include "core/tank/CatchMarker.h"

class DisplayListCache;

// Draws the net as the cached wire cone (base radius 3, height 1, apex toward
// +z) in its pose, inside its own push and pop of the matrix.
void DrawNetCone(DisplayListCache& shapes, const NetPose& pose);

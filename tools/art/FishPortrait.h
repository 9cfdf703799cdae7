#pragma once

#include "art/Canvas.h"

// Species `species` as it swims in the tank, seen side-on with its snout to
// the left: the program's own fish mesh at rest, wearing PaintFishSkin's skin,
// lit from the front above. Fitted into width x height (centred, aspect kept),
// the fish's coverage in the alpha channel, edges smoothed by supersampling.
RgbaCanvas PaintFishPortrait(int species, int width, int height);

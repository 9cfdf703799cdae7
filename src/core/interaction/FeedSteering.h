#pragma once

#include <array>

#include "core/fish/FoodPellet.h"

class Fish;

// The bearing of a pellet at q in whole degrees, from its x and y alone (seen
// from the world's origin, not from the fish): theta = atan|y/x| truncated in
// the first quadrant, 90 - theta in the other three; 0, 90, 180 or 270 on the
// axes and 0 at the origin.
float PelletBearing(const std::array<float, 3>& q);

// The angle in degrees, in [0, 90), in the x-z plane between the fish's axis
// (position to head) and the line from its position to the pellet at q.
float HeadingOffset(const Fish& fish, const std::array<float, 3>& q);

// Feed mode's steering of one fish: it feeds while an active pellet lies
// within 10 of its head in x and y, speeds up, turns and climbs toward it, and
// slows down once within 3.
void FeedSteer(Fish& fish, const std::array<FoodPellet, kFoodPelletCount>& pellets);

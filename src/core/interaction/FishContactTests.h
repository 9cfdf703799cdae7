#pragma once

#include <array>

#include "core/fish/FoodPellet.h"

class CatchMarker;
class Fish;

// In every mode: each active pellet near the fish's head drifts toward its
// mouth by half a percent of the gap, and one within reach of the mouth is
// eaten.
void FoodTest(const Fish& fish, std::array<FoodPellet, kFoodPelletCount>& pellets);

// Catches the fish in slot `slot` when it lies within 3 of the net on every
// axis and its catch slot is free: the slot is flagged and keeps where it was
// caught, and the fish is held.
void CatchTest(int slot, Fish& fish, CatchMarker& marker);

#pragma once

#include <array>

#include "core/TankOverrides.h"
#include "core/settings/AquariumSettings.h"
#include "core/tank/SchoolLayout.h"

// `total` fish shared over the species in the proportions of `proportions`
// (evenly when they are all 0), summing to exactly `total`: the remainder goes
// to the largest fractions, the first species first on a tie.
std::array<int, kSpeciesCount> DealFish(int total,
                                        const std::array<int, kSpeciesCount>& proportions);

// `settings` with the overrides applied.
AquariumSettings WithOverrides(AquariumSettings settings, const TankOverrides& overrides);

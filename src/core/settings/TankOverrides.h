#pragma once

#include <array>
#include <optional>

#include "core/settings/AquariumSettings.h"
#include "core/tank/SchoolLayout.h"

// What the command line changes for one run, over the settings file, which
// they never reach: unset, the file says.
struct TankOverrides {
    std::optional<int> fish;      // 0 to kSchoolSlots, dealt in the file's proportions
    std::optional<bool> bubbles;  // true: the file's amount, or the default when it has none
    std::optional<bool> wall;     // true: the wall is shown, whatever the file says
    bool frameRate = false;       // the frame-rate readout in the bottom-left corner
};

// `total` fish shared over the species in the proportions of `proportions`
// (evenly when they are all 0), summing to exactly `total`: the remainder goes
// to the largest fractions, the first species first on a tie.
std::array<int, kSpeciesCount> DealFish(int total,
                                        const std::array<int, kSpeciesCount>& proportions);

// `settings` with the overrides applied.
AquariumSettings WithOverrides(AquariumSettings settings, const TankOverrides& overrides);

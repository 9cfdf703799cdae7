#pragma once

#include <array>

#include "core/fish/Fish.h"
#include "core/tank/SchoolLayout.h"
#include "core/tank/TankBounds.h"

// The school is the scene's fixed pool of fish records, the per-species counts
// that label its slots and the species' skins. A fish's species follows from its
// slot alone: species s owns the consecutive slots after those of species 0..s-1.

// The slot range [start, end) of every species and the school total. Each count
// is taken within [0, 200], so ranges never overlap and hand-edited counts
// cannot overflow the sum; the total may still exceed the 200 slots.
struct SpeciesRanges {
    std::array<int, kSpeciesCount> start{};
    std::array<int, kSpeciesCount> end{};
    int total = 0;
};
SpeciesRanges SpeciesRangesFor(const std::array<int, kSpeciesCount>& counts);

// The species whose range holds the slot, or -1 when none does.
int SpeciesOfSlot(const SpeciesRanges& ranges, int slot);

// The radius of the wire sphere around a caught fish: 1 at size exactly 2, 2 at
// size exactly 4, and 0 (no sphere) at any other size.
float CaughtSphereRadius(float size);

// Puts a fish at a random spot of the school's layer (x in [-50, 49], y in
// [-15, 14], z = -70) and gives it the school's box inside the tank. Draws two
// random numbers, x first.
void PlaceFish(Fish& fish, const TankBounds& tank);

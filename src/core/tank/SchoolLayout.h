#pragma once

// The school's fixed shape, which everything that counts, places or catches
// fish shares.
constexpr int kSchoolSlots = 200;  // fish records, and the most that swim
constexpr int kSpeciesCount = 10;
constexpr float kSchoolLayerZ = -70.0f;  // where the fish swim, the food falls and the net spins

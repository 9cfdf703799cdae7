#pragma once

#include <array>

#include "core/settings/AquariumSettings.h"
#include "core/settings/ProfileText.h"
#include "core/tank/SchoolLayout.h"

// Reads sections "Aquarium Settings" and "Fish Number" of `profile` key by key
// in the file's order, repairs absent, forced and out-of-range values in the
// profile and returns the record. Draws one CrtRand() per absent fish count,
// species 0 to 9 in order. Counts end up in 0..200.
AquariumSettings ReadAndRepairSettings(ProfileText& profile);

// The keys of "Aquarium Settings" whose values `after` changed from `before`,
// and no other: a key left alone keeps its text ("32767.5").
void WriteChangedSettings(const AquariumSettings& before, const AquariumSettings& after,
                          ProfileText& profile);

// Section "Fish Number" as the Fish Settings dialog leaves it: every count, so
// a key that was missing gains its "0".
void WriteFishCounts(const std::array<int, kSpeciesCount>& counts, ProfileText& profile);

#pragma once

#include "settings/AquariumSettings.h"
#include "settings/ProfileText.h"

// Reads sections "Aquarium Settings" and "Fish Number" of `profile` key by key
// in the file's order, repairs absent, forced and out-of-range values in the
// profile and returns the record. Draws one CrtRand() per absent fish count,
// species 0 to 9 in order. Counts end up in 0..200.
AquariumSettings ReadAndRepairSettings(ProfileText& profile);

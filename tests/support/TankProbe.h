#pragma once

#include <array>

#include "core/fish/Fish.h"
#include "core/fish/FoodPellet.h"
#include "core/tank/BackgroundSurface.h"
#include "core/tank/BubbleEmitter.h"
#include "core/tank/CatchMarker.h"

class CAquariumView;

// Read-only access to the running program's tank, for tests that pin what a
// run leaves behind.
struct TankProbe {
    const std::array<Fish, 200>& fish;
    const std::array<FoodPellet, 20>& pellets;
    const std::array<BubbleEmitter, 3>& emitters;
    const CatchMarker& marker;
    const BackgroundSurface& surface;
    int revealCount;

    static TankProbe Of(const CAquariumView& view);
};

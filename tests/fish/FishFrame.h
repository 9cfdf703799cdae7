#pragma once

#include <array>

#include "fish/Fish.h"
#include "fish/FishAnimation.h"

// One frame of a fish the way UpdateAndDraw runs it, without GL and without the
// mesh's wave arrays: of the body animation only the heading stepper matters to
// the swimming.
inline void StepFish(Fish& fish) {
    std::array<float, 19> yaw{};
    StepBodyYaw(fish, yaw);
    fish.AdvanceShownPitch();
    fish.RandomWhim();
    fish.MoveOrHoldCaught();
    fish.UpdateExtent();
}

#pragma once

#include <cmath>

#include "fish/Fish.h"

// One frame of a fish the way UpdateAndDraw runs it, without GL and without the
// mesh's wave arrays. Of the body animation only the heading matters to the
// swimming, so the body's heading stepper is reduced here to that: every third
// frame the heading steps toward its target (10 degrees, 3 below a target of 10,
// 1 below 5, 10 while feeding), and after a side wall it snaps to the target.
inline void FollowTargetHeading(Fish& fish) {
    const float target = fish.targetHeading;
    const bool atSideWall = fish.wallState == kWallXMin || fish.wallState == kWallXMax;
    if (std::fabs(fish.turnFrom - target) > 0.01f) {
        fish.turnDone = false;
        fish.turnFrom = target;
    }
    float step = 10.0f;
    if (std::fabs(target) < 10.0f) step = 3.0f;
    if (std::fabs(target) < 5.0f) step = 1.0f;
    if (fish.feeding) step = 10.0f;
    if (atSideWall) step = target;
    if (++fish.turnTick >= 3) {
        fish.turnTick = 0;
        if (!fish.turnDone) {
            if (fish.heading < target) {
                fish.heading = std::fmin(fish.heading + step, target);
            } else {
                fish.heading = std::fmax(fish.heading - step, target);
            }
            if (std::trunc(fish.heading - target) == 0.0f) fish.turnDone = true;
        }
    }
    if (!fish.turnDone && atSideWall) fish.heading = target;
}

inline void StepFish(Fish& fish) {
    FollowTargetHeading(fish);
    fish.AdvanceShownPitch();
    fish.RandomWhim();
    fish.MoveOrHoldCaught();
    fish.UpdateExtent();
}
